#include "utility/pages/dlg_monitor_win.h"

#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

namespace {

constexpr COLORREF kBackground = RGB(228, 228, 220);
constexpr COLORREF kLineColor = RGB(0, 0, 255);

bool IsTopmost(HWND window) {
    return window && (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int Width(const RECT& rect) {
    return rect.right - rect.left;
}

} // namespace

CDlgMonitor::CDlgMonitor(const CMonitorStatusAll& monitors, const StringTable& strings,
                         ShellState& shell)
    : CDialog(IDD_MONITOR_LIST), m_model(*this, monitors, strings, shell) {}

bool CDlgMonitor::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brush.Reset(::CreateSolidBrush(kBackground));
    m_list.Attach(GetDlgItem(IDC_MONLIST_LIST));
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    m_model.ListMonitors(m_hWnd, Width(desktop), desktop.bottom - desktop.top,
                         Width(GetWindowRect()), IsTopmost(owner));
    return true;
}

LRESULT CDlgMonitor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE_FOR_RESCAN) {
        m_model.CloseForRescan();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDlgMonitor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        m_model.Close();
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_DESTROY:
        m_model.Destroyed();
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

HBRUSH CDlgMonitor::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (type == CTLCOLOR_LISTBOX) {
        // The system's colours first, then the blue text over them.
        const HBRUSH background = CDialog::OnCtlColor(dc, control, type);
        ::SetTextColor(dc, kLineColor);
        return background;
    }
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgMonitor::Place(ScreenPoint corner, bool topmost) {
    SetWindowPos(topmost ? HWND_TOPMOST : HWND_NOTOPMOST, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CDlgMonitor::AddLine(const std::string& line) {
    m_list.AddString(line.c_str());
}

void CDlgMonitor::SetNote(const std::string& text) {
    ::SetDlgItemTextA(m_hWnd, IDC_MONLIST_NOTE, text.c_str());
}

void CDlgMonitor::Finish(int result) {
    EndDialog(result);
}
