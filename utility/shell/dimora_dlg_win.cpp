// The main window's creation, pages, commands and destruction.
#include "utility/shell/dimora_dlg_win.h"

#include "framework/foreground_win.h"
#include "framework/minimised_icon_win.h"
#include "framework/res_string_win.h"
#include "framework/tab_theme_win.h"
#include "utility/eyecare/dlg_eyecare_win.h"
#include "utility/eyecare/dlg_vsfilter_win.h"
#include "utility/eyecare/filter_text_codec_win.h"
#include "utility/monitor/display_devices.h"
#include "utility/pages/dlg_monitor_win.h"
#include "utility/res/resource.h"
#include "utility/shell/page_keys.h"
#include "utility/ui/user_messages.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <wtsapi32.h>

namespace {

constexpr COLORREF kControlBackground = RGB(228, 228, 220);

} // namespace

CDimoraDlg::CDimoraDlg(const MainWindowContext& context)
    : CDialog(IDD_DIMORA_DIALOG), m_context(context),
      m_pageAuto(context.monitors, context.deviceCtrl, context.registry, context.strings,
                 context.shell, IsMultiDisplay(context.gammaPort)),
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

void CDimoraDlg::ShowWindowNormal() {
    ShowWindow(SW_SHOWNORMAL);
}

void CDimoraDlg::HideWindow() {
    ShowWindow(SW_HIDE);
}

void CDimoraDlg::ShowOnlyPage(int index) {
    for (int i = 0; i < kPageCount; ++i)
        Page(i).ShowWindow(SW_HIDE);
    if (index >= 0 && index < kPageCount)
        Page(index).ShowWindow(SW_SHOW);
}

void CDimoraDlg::SelectTab(int index) {
    m_tab.SetCurSel(index);
}

void CDimoraDlg::RefreshTabControl() {
    m_tab.ShowWindow(SW_HIDE);
    m_tab.ShowWindow(SW_SHOW);
    m_tab.SetFocus();
}

void CDimoraDlg::PostAutoPageRefresh() {
    m_pageAuto.PostMessage(WM_PAGE_REFRESH);
}

void CDimoraDlg::RefreshPage(int index) {
    if (index == 1)
        m_pageColor.Refresh();
    else if (index == 2)
        m_pageSound.Refresh();
}

void CDimoraDlg::BringToForeground() {
    ::BringToForeground(m_hWnd);
}

void CDimoraDlg::CloseAuxiliaryDialogs() {
    const ShellState& shell = m_context.shell;
    for (WindowHandle dialog :
         {shell.m_hwndColorAdjust, shell.m_hwndMonitorList, shell.m_hwndEditMessage,
          shell.m_hwndEyeCare, shell.m_hwndFilterFileDialog, shell.m_hwndFilterDialog}) {
        if (dialog && ::IsWindow(static_cast<HWND>(dialog)))
            ::SendMessageA(static_cast<HWND>(dialog), WM_CLOSE_FOR_RESCAN, 0, 0);
    }
}

void CDimoraDlg::PostMonitorsChanged() {
    m_pageAuto.PostMessage(WM_MONITORS_CHANGED);
}

void CDimoraDlg::SendFilterReapply() {
    if (HWND dialog = static_cast<HWND>(m_context.shell.m_hwndFilterDialog))
        ::SendMessageA(dialog, WM_FILTER_REAPPLY, 0, 0);
}

void CDimoraDlg::PostExit() {
    PostMessage(WM_COMMAND, ID_TRAY_EXIT);
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
    case WM_POWERBROADCAST:
    case WM_WTSSESSION_CHANGE: {
        LRESULT result = 0;
        if (OnSystemEvent(message, wParam, result))
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
        if (OnSystemEvent(message, wParam, result))
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
        m_model.HideMainWindow();
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_EXITSIZEMOVE:
        m_model.FollowWindowMonitor();
        break;
    case WM_ENDSESSION: {
        LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        OnSystemEvent(message, wParam, result);
        return result;
    }
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

bool CDimoraDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_CLOSE:
        m_model.HideMainWindow();
        return true;
    case ID_TRAY_EXIT:
        m_screenFilter.DestroyOverlays();
        DestroyWindow();
        return true;
    case ID_TRAY_SETTINGS:
        m_model.OnSettingsCommand();
        return true;
    case ID_TRAY_MONITOR_LIST: {
        ShellState& shell = m_context.shell;
        shell.m_monitorListOpen = 1;
        CDlgMonitor dialog(m_context.monitors, m_context.strings, shell);
        dialog.DoModal(m_hWnd);
        shell.m_monitorListOpen = 0;
        return true;
    }
    case ID_TRAY_EYECARE:
        m_model.OnEyeCareCommand([&] {
            CDlgEyeCare dialog(m_context.registry, m_context.monitors, m_context.shell,
                               m_context.strings);
            dialog.DoModal(m_hWnd);
        });
        return true;
    case ID_TRAY_FILTER: {
        const CXMLHandler xml([] { return std::make_unique<MsxmlDocument>(); });
        const FilterTextCodec codec = SystemCodePageCodec();
        const VSFilterSources sources{xml, codec, m_context.dataFolder, m_context.strings};
        m_context.shell.m_filterDialogOpen = 1;
        CDlgVSFilter dialog(m_context.registry, sources, m_context.filter, m_screenFilter,
                            m_context.shell);
        dialog.DoModal(m_hWnd);
        m_context.shell.m_filterDialogOpen = 0; // also when the window could not be made
        return true;
    }
    default:
        return CDialog::OnCommand(id, code, control);
    }
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
    m_model.Shutdown();
    if (m_sessionRegistered)
        ::WTSUnRegisterSessionNotification(m_hWnd);
    m_sessionRegistered = false;
}
