// The main window's creation, pages, message routing and destruction.
#include "utility/shell/dimora_dlg_win.h"

#include "framework/minimised_icon_win.h"
#include "framework/res_string_win.h"
#include "framework/tab_theme_win.h"
#include "utility/monitor/display_devices.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <wtsapi32.h>

namespace {

constexpr COLORREF kControlBackground = RGB(228, 228, 220);

} // namespace

CDimoraDlg::CDimoraDlg(const MainWindowContext& context)
    : CDialog(IDD_DIMORA_DIALOG), m_context(context),
      m_pageAuto(context.monitors, context.deviceCtrl, context.registry, context.gammaPort,
                 context.strings, context.shell),
      m_pageColor(context.currentMonitor, context.monitors, context.registry, context.strings,
                  context.shell),
      m_pageSound(context.currentMonitor, context.monitors, context.strings),
      m_screenFilter(context.monitors, context.filter, m_overlayPort, context.gammaPort,
                     context.clock, context.gammaList),
      m_model(MainWindowDeps{*this, m_trayShell, m_timers, context.registry, context.deviceCtrl,
                             context.monitors, context.shell, m_screenFilter, context.strings},
              LoadResString(IDS_VERSION)) {
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

bool CDimoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_trayShell.SetWindow(m_hWnd);
    m_timers.SetWindow(m_hWnd);
    m_overlayPort.SetOwner(m_hWnd);
    m_tab.SubclassDlgItem(IDC_TAB, *this);
    m_btnClose.SubclassDlgItem(IDC_CLOSE, *this);
    UnthemeTabControl(m_tab.GetSafeHwnd());
    m_ctlBrush.Reset(::CreateSolidBrush(kControlBackground));

    m_model.Start();
    NoteIconShown();
    CreatePages();
    AddSystemMenuItems();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_model.ApplyStoredTopmost();
    m_taskbarCreatedMsg = ::RegisterWindowMessageA("TaskbarCreated");
    AllowTaskbarCreated(m_hWnd, m_taskbarCreatedMsg);
    m_stateQueryMsg = ::RegisterWindowMessageA(kStateQueryMessage);
    m_model.StartReminder();
    SetUpDataFolderAndFilter();
    m_model.RegisterSessionNotifications();
    // A key another program holds now is left out until the next start or the dialog's OK.
    RegisterHotkeys(LoadHotkeySettings(m_context.registry));
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

LRESULT CDimoraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TRAY_NOTIFY:
        if (!OnTrayNotify(lParam))
            return 0;
        break;
    case WM_SELECT_MONITOR: {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        m_model.SelectMonitor(static_cast<int>(lParam));
        ::SetCursor(previous);
        break;
    }
    case WM_TAB_REDRAW:
        m_tab.ShowWindow(SW_HIDE);
        m_tab.ShowWindow(SW_SHOW);
        break;
    case WM_COPYDATA:
        return OnCommandRequest(wParam, lParam);
    case WM_HOTKEY:
        OnHotkey(wParam);
        return 0;
    case WM_PAGE_REFRESH:
        // Posted after a command changed a monitor; a question opened since then refreshes
        // nothing under it.
        if (!m_context.shell.InModalLoop() && m_context.shell.m_mainShown)
            RefreshPage(m_model.CurrentPage());
        return 0;
    case WM_POWERBROADCAST:
    case WM_WTSSESSION_CHANGE: {
        LRESULT result = 0;
        if (OnSystemEvent(message, wParam, lParam, result))
            return result;
        break;
    }
    default:
        if (m_stateQueryMsg != 0 && message == m_stateQueryMsg)
            return AnswerStateQuery(wParam);
        if (m_taskbarCreatedMsg != 0 && message == m_taskbarCreatedMsg)
            OnTaskbarCreated();
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDimoraDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
#ifdef DIMORA_CLOSE_ONLY_HIDES
    // The installation tests' stand-in for release 2.3.0: a close only hides the window, and an
    // installer's end-session request only stops the timers.
    if (message == WM_CLOSE && !::IsWindowVisible(m_hWnd))
        return 0;
    if (message == WM_ENDSESSION)
        lParam &= ~static_cast<LPARAM>(ENDSESSION_CLOSEAPP);
#endif
    switch (message) {
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam))
            return 0;
        break;
    case WM_PAINT:
        if (PaintMinimisedIcon(m_hWnd, m_hIcon))
            return 0;
        break;
    case WM_DESTROY: {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        OnDestroyWindow();
        return result;
    }
    case WM_TIMER:
    case WM_DISPLAYCHANGE: {
        LRESULT result = 0;
        if (OnSystemEvent(message, wParam, lParam, result))
            return result;
        break;
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        if (wParam)
            m_tab.SetFocus();
        return result;
    }
    case WM_CLOSE:
        m_model.OnClose();
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_EXITSIZEMOVE:
        m_model.FollowWindowMonitor();
        break;
    case WM_QUERYENDSESSION:
        // Nothing to save: the session, or an installer that needs this program's files, may
        // go on.
        return TRUE;
    case WM_ENDSESSION: {
        LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        OnSystemEvent(message, wParam, lParam, result);
        return result;
    }
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

bool CDimoraDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_TAB && header.code == TCN_SELCHANGE) {
        m_tab.SetFocus();
        m_model.OnTabSelected(m_tab.GetCurSel());
        result = 0;
        return true;
    }
    return CDialog::OnNotify(header, result);
}

HBRUSH CDimoraDlg::OnCtlColor(HDC, HWND, UINT) {
    return m_ctlBrush.Get();
}

void CDimoraDlg::OnDestroyWindow() {
    UnregisterHotkeys();
    m_onScreenValue.Hide();
    m_model.Shutdown();
}

std::uint32_t CDimoraDlg::RegisterSessionNotification() {
    if (::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_THIS_SESSION))
        return 0;
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

void CDimoraDlg::UnregisterSessionNotification() {
    ::WTSUnRegisterSessionNotification(m_hWnd);
}
