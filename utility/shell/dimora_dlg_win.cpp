#include "utility/shell/dimora_dlg_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/settings/settings_keys.h"
#include "utility/shell/about_dlg_win.h"
#include "utility/shell/dimora_app_win.h"
#include "utility/shell/page_keys.h"
#include "utility/shell/user_messages.h"

#include <shlobj.h>
#include <wtsapi32.h>

namespace {

constexpr COLORREF kControlBackground = RGB(228, 228, 220);
constexpr UINT kRescanNotifyMs = 100;

// Gives the tab control the classic look: no theme defines the sub-id list "IDC_TAB".
void UnthemeTabControl(HWND tab) {
    ScopedLibrary theme(::LoadLibraryA("UxTheme"));
    if (!theme)
        return;
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(::GetProcAddress(theme.Get(), "SetWindowTheme")));
    if (setTheme)
        setTheme(tab, nullptr, L"IDC_TAB");
}

} // namespace

CDimoraDlg::CDimoraDlg()
    : CDialog(IDD_DIMORA_DIALOG), CRegistry(TheApp().m_registryPort), m_tray(m_trayShell) {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CDimoraDlg::~CDimoraDlg() = default;

void CDimoraDlg::PostNcDestroy() {
    // The application made this window on the heap; it goes with its window.
    delete this;
}

CDialog& CDimoraDlg::Page(int index) {
    switch (index) {
    case 0:
        return m_pageAuto;
    case 1:
        return m_pageColor;
    default:
        return m_pageSound;
    }
}

bool CDimoraDlg::HaveCurrentMonitor() const {
    return TheApp().m_monitorsAll.currentHandle;
}

bool CDimoraDlg::AnyDialogOpen() const {
    const CDimoraApp& app = TheApp();
    return app.m_eyeCareOpen || app.m_filterDialogOpen || app.m_monitorListOpen;
}

bool CDimoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_trayShell.SetWindow(m_hWnd);
    m_tab.SubclassDlgItem(IDC_TAB, *this);
    m_btnClose.SubclassDlgItem(IDC_CLOSE, *this);
    UnthemeTabControl(m_tab.GetSafeHwnd());
    m_ctlBrush.Reset(::CreateSolidBrush(kControlBackground));

    m_startupTimer = SetTimer(TIMER_RESCAN_NOTIFY, kRescanNotifyMs);
    m_rescanNotifyPending = 0;
    RescanMonitors();

    CreatePages();
    AddSystemMenuItems();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ApplyStoredTopmost();
    m_taskbarCreatedMsg = ::RegisterWindowMessageA("TaskbarCreated");
    m_stateQueryMsg = ::RegisterWindowMessageA(kStateQueryMessage);
    SetUpDataFolderAndFilter();
    m_sessionRegistered = ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_THIS_SESSION);
    m_ready = true;
    return true;
}

void CDimoraDlg::CreatePages() {
    m_tab.InsertItem(0, LoadResString(IDS_TAB_VTON).c_str());
    m_tab.InsertItem(1, LoadResString(IDS_TAB_COLOR).c_str());
    m_tab.InsertItem(2, LoadResString(IDS_TAB_SOUND).c_str());
    RECT area = m_tab.GetClientRect();
    m_tab.AdjustRect(false, area);
    area.left -= 2;
    const HWND tab = m_tab.GetSafeHwnd();
    m_pageAuto.Create(IDD_VTON, tab);
    m_pageAuto.ShowWindow(SW_SHOW);
    m_pageAuto.MoveWindow(area);
    m_pageColor.Create(IDD_COLOR, tab);
    m_pageColor.MoveWindow(area);
    m_pageSound.Create(IDD_SOUND, tab);
    m_pageSound.MoveWindow(area, false);
}

void CDimoraDlg::AddSystemMenuItems() {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, IDM_KEEPONTOP, LoadResString(IDS_KEEP_ON_TOP).c_str());
    const std::string about = LoadResString(IDS_ABOUTBOX);
    if (!about.empty()) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
}

void CDimoraDlg::ApplyStoredTopmost() {
    std::uint32_t noTopmost = 0;
    if (ReadDword("NoTopmost", noTopmost, kRootKey) && noTopmost != 0)
        return;
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::CheckMenuItem(::GetSystemMenu(m_hWnd, FALSE), IDM_KEEPONTOP, MF_BYCOMMAND | MF_CHECKED);
}

bool CDimoraDlg::RescanMonitors() {
    CDimoraApp& app = TheApp();
    const bool changed = RebuildMonitorList(app.m_deviceCtrl, app.m_monitorsAll);
    UpdateTrayIcon();
    return changed;
}

bool CDimoraDlg::NotifyTray(TrayAction action, UINT iconId, const std::string& tip) {
    const bool ok = m_tray.NotifyTray(action, iconId, tip);
    if (!m_tray.StartupOk())
        TheApp().m_startupOk = 0;
    return ok;
}

void CDimoraDlg::UpdateTrayIcon() {
    m_tray.UpdateTrayIcon(HaveCurrentMonitor(), LoadResString(IDS_VERSION));
    if (m_iconAfterMs < 0 && m_tray.State() != 0)
        m_iconAfterMs = static_cast<LRESULT>(::GetTickCount() - TheApp().m_startTick);
    if (!m_tray.StartupOk())
        TheApp().m_startupOk = 0;
}

void CDimoraDlg::ShowMainWindow() {
    CDimoraApp& app = TheApp();
    if (app.m_mainShown == 1)
        return;
    app.m_mainShown = 1;
    m_tab.SetCurSel(0);
    for (int i = 0; i < kPageCount; ++i)
        Page(i).ShowWindow(i == 0 ? SW_SHOW : SW_HIDE);
    m_currentPage = 0;
    ShowWindow(SW_SHOWNORMAL);
    BringToForeground();
    FollowWindowMonitor();
}

void CDimoraDlg::FollowWindowMonitor() {
    CDimoraApp& app = TheApp();
    if (app.m_mainShown != 1)
        return;
    std::string name = m_lastDeviceName;
    app.GetDisplayDeviceName(name, m_hWnd, false);
    if (name == m_lastDeviceName)
        return;
    m_lastDeviceName = name;
    auto& monitors = app.m_monitorsAll.monitors;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (CDimoraApp::MonitorHasDeviceName(name, monitors[i].get())) {
            app.m_monitorsAll.SelectByIndex(static_cast<int>(i));
            if (m_tab.GetCurSel() == 0)
                m_pageAuto.PostMessage(WM_PAGE_REFRESH);
            return;
        }
    }
}

void CDimoraDlg::HideMainWindow() {
    TheApp().m_mainShown = 0;
    for (int i = 0; i < kPageCount; ++i)
        Page(i).ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
}

void CDimoraDlg::ShowPage(int index) {
    for (int i = 0; i < kPageCount; ++i)
        Page(i).ShowWindow(SW_HIDE);
    Page(index).ShowWindow(SW_SHOW);
    m_tab.ShowWindow(SW_HIDE);
    m_tab.ShowWindow(SW_SHOW);
    m_tab.SetFocus();
    if (index == 0)
        m_pageAuto.PostMessage(WM_PAGE_REFRESH);
}

void CDimoraDlg::BringToForeground() {
    // Windows refuses to bring a background program forward while the foreground lock time-out
    // runs; it is lifted for this one call and put back, without touching the user's profile.
    DWORD timeout = 0;
    ::SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    ::SetForegroundWindow(m_hWnd);
    ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                            reinterpret_cast<void*>(static_cast<ULONG_PTR>(timeout)), 0);
}

LRESULT CDimoraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TRAY_NOTIFY:
        if (lParam == WM_RBUTTONUP) {
            OnTrayRightClick();
            return 0;
        }
        OnTrayNotify(lParam);
        break;
    case WM_SELECT_MONITOR: {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        TheApp().m_monitorsAll.SelectByIndex(static_cast<int>(lParam));
        ::SetCursor(previous);
        break;
    }
    case WM_TAB_REDRAW:
        m_tab.ShowWindow(SW_HIDE);
        m_tab.ShowWindow(SW_SHOW);
        break;
    default:
        if (m_stateQueryMsg != 0 && message == m_stateQueryMsg)
            return AnswerStateQuery(wParam);
        if (m_taskbarCreatedMsg != 0 && message == m_taskbarCreatedMsg) {
            // Explorer restarted and forgot the icon.
            m_tray.OnTaskbarCreated(HaveCurrentMonitor(), LoadResString(IDS_VERSION));
            if (!m_tray.StartupOk())
                OnCommand(ID_TRAY_EXIT, 0, nullptr);
        }
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDimoraDlg::AnswerStateQuery(WPARAM what) {
    switch (what) {
    case kQueryTrayState:
        return m_tray.State();
    case kQueryCurrentPage:
        return m_currentPage;
    case kQueryMonitorCount:
        return static_cast<LRESULT>(TheApp().m_monitorsAll.monitors.size());
    case kQueryMainShown:
        return TheApp().m_mainShown;
    case kQueryReady:
        return m_ready ? 1 : 0;
    case kQueryIconAfterMs:
        return m_iconAfterMs;
    case kQueryKeepOnTop:
        return (::GetMenuState(::GetSystemMenu(m_hWnd, FALSE), IDM_KEEPONTOP, MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    default:
        return -1;
    }
}

LRESULT CDimoraDlg::OnTrayNotify(LPARAM mouseMessage) {
    if (mouseMessage != WM_LBUTTONDBLCLK)
        return 0;
    if (TheApp().m_mainShown || AnyDialogOpen()) {
        BringToForeground();
    } else if (HaveCurrentMonitor()) {
        m_pageAuto.PostMessage(WM_PAGE_REFRESH);
        ShowMainWindow();
    }
    return 0;
}

void CDimoraDlg::OnTrayRightClick() {
    SetFocus();
    BringToForeground();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScopedMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    if (!menu)
        return;
    HMENU popup = nullptr;
    if (HaveCurrentMonitor()) {
        popup = ::GetSubMenu(menu.Get(), 0);
        if (TheApp().m_mainShown || AnyDialogOpen()) {
            for (UINT id : {ID_TRAY_SETTINGS, ID_TRAY_EYECARE, ID_TRAY_FILTER, ID_TRAY_MONITOR_LIST,
                            ID_TRAY_EXIT})
                ::EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
        }
        ::SetMenuDefaultItem(popup, ID_TRAY_SETTINGS, FALSE);
    } else {
        popup = ::GetSubMenu(menu.Get(), 1);
    }
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessage(WM_NULL);
}

LRESULT CDimoraDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX || (wParam & 0xFFF0) == IDM_KEEPONTOP) {
            OnSysCommand(wParam & 0xFFF0);
            return 0;
        }
        break;
    case WM_PAINT:
        if (::IsIconic(m_hWnd)) {
            OnPaintIcon();
            return 0;
        }
        break;
    case WM_DESTROY: {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        OnDestroyWindow();
        return result;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SHOWWINDOW: {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        if (wParam)
            m_tab.SetFocus();
        return result;
    }
    case WM_CLOSE:
        HideMainWindow();
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_EXITSIZEMOVE:
        FollowWindowMonitor();
        break;
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

bool CDimoraDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_CLOSE:
        HideMainWindow();
        return true;
    case ID_TRAY_EXIT:
        DestroyWindow();
        return true;
    case ID_TRAY_SETTINGS:
        if (HaveCurrentMonitor()) {
            m_pageAuto.PostMessage(WM_PAGE_REFRESH);
            ShowMainWindow();
        }
        return true;
    case ID_TRAY_MONITOR_LIST:
    case ID_TRAY_EYECARE:
    case ID_TRAY_FILTER:
        // Their dialogs come with the monitor list, the reminder and the screen filter.
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

bool CDimoraDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_TAB && header.code == TCN_SELCHANGE) {
        m_tab.SetFocus();
        const int selection = m_tab.GetCurSel();
        if (selection != m_currentPage && selection >= 0) {
            ShowPage(selection);
            m_currentPage = selection;
        }
        result = 0;
        return true;
    }
    return CDialog::OnNotify(header, result);
}

HBRUSH CDimoraDlg::OnCtlColor(HDC, HWND, UINT) {
    return m_ctlBrush.Get();
}

void CDimoraDlg::OnSysCommand(WPARAM command) {
    if (command == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal(m_hWnd);
    } else {
        ToggleKeepOnTop();
    }
}

void CDimoraDlg::ToggleKeepOnTop() {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (GetExStyle() & WS_EX_TOPMOST) {
        SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::CheckMenuItem(menu, IDM_KEEPONTOP, MF_BYCOMMAND | MF_UNCHECKED);
        WriteDword("NoTopmost", 1, kRootKey);
        // The screen filter's overlays stay above everything, this window included.
    } else {
        SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::CheckMenuItem(menu, IDM_KEEPONTOP, MF_BYCOMMAND | MF_CHECKED);
        WriteDword("NoTopmost", 0, kRootKey);
    }
}

void CDimoraDlg::OnPaintIcon() {
    PaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    const int cx = ::GetSystemMetrics(SM_CXICON);
    const int cy = ::GetSystemMetrics(SM_CYICON);
    const RECT client = GetClientRect();
    ::DrawIcon(dc.Get(), (client.right - client.left - cx + 1) / 2,
               (client.bottom - client.top - cy + 1) / 2, m_hIcon);
}

void CDimoraDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_RESCAN_NOTIFY) {
        CDimoraApp& app = TheApp();
        if (!app.m_monitorsAll.adjustmentBusy && m_rescanNotifyPending == 1) {
            m_rescanNotifyPending = 0;
            HideMainWindow();
        }
    }
}

void CDimoraDlg::OnDestroyWindow() {
    CDimoraApp& app = TheApp();
    if (m_startupTimer)
        KillTimer(TIMER_RESCAN_NOTIFY);
    m_startupTimer = 0;
    m_tray.Remove();
    for (UINT_PTR* timer : {&m_reminderTimer, &m_screenSaverTimer}) {
        if (*timer)
            KillTimer(*timer);
        *timer = 0;
    }
    app.m_monitorsAll.Clear();
    FreeGammaList();
    if (m_filterTimer)
        KillTimer(TIMER_FILTER_REAPPLY);
    m_filterTimer = 0;
    if (m_sessionRegistered)
        ::WTSUnRegisterSessionNotification(m_hWnd);
    m_sessionRegistered = false;
}

void CDimoraDlg::SetUpDataFolderAndFilter() {
    CDimoraApp& app = TheApp();
    char folder[MAX_PATH] = {};
    if (SUCCEEDED(
            ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        app.m_dataFolder = std::string(folder) + "\\Orvane\\Visomat (DDCCI)\\";
    LoadFilterSettings();
    BuildGammaList();
}

void CDimoraDlg::LoadFilterSettings() {
    CDimoraApp& app = TheApp();
    const char* key = kVSFilterKey.data();
    std::uint32_t value = static_cast<std::uint32_t>(app.m_filterOn);
    if (ReadDword("On", value, key))
        app.m_filterOn = static_cast<int>(value);
    if (!app.m_filterOn)
        return;
    auto readInt = [&](const char* name, int& member) {
        std::uint32_t v = static_cast<std::uint32_t>(member);
        if (ReadDword(name, v, key))
            member = static_cast<int>(v);
    };
    readInt("FileType", app.m_filterFileType);
    char path[261] = {};
    if (ReadValue("FilePath", path, 260, key))
        app.m_filterFilePath = path; // the zero after 260 bytes bounds the text
    readInt("Alpha", app.m_filterAlpha);
    readInt("Luminance", app.m_filterLuminance);
}

void CDimoraDlg::BuildGammaList() {
    CDimoraApp& app = TheApp();
    app.m_gammaList = BuildGammaDevices(app.m_gammaPort, app.m_clock);
}

void CDimoraDlg::FreeGammaList() {
    CDimoraApp& app = TheApp();
    for (auto& gamma : app.m_gammaList)
        gamma->Restore();
    app.m_gammaList.clear();
}
