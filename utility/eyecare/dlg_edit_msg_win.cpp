#include "utility/eyecare/dlg_edit_msg_win.h"

#include "utility/eyecare/reminder_settings.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <utility>

namespace {

constexpr COLORREF kBackground = RGB(228, 228, 220);

} // namespace

CDlgEditMsg::CDlgEditMsg(std::string message, ShellState& shell)
    : CDialog(IDD_EDIT_MSG), m_message(std::move(message)), m_shell(shell) {}

bool CDlgEditMsg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shell.m_hwndEditMessage = m_hWnd;
    m_brush.Reset(::CreateSolidBrush(kBackground));
    m_edit.SubclassDlgItem(IDC_EDITMSG_TEXT, *this);
    m_edit.SetByteLimit(kReminderTextMax);
    m_edit.SetWindowText(m_message.c_str());
    return true;
}

void CDlgEditMsg::OnOK() {
    m_message = m_edit.GetWindowText();
    EndDialog(IDOK);
}

LRESULT CDlgEditMsg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE_FOR_RESCAN) {
        EndDialog(kEditMsgClosedForRescan);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDlgEditMsg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        EndDialog(kEditMsgClosedForRescan);
        return 0;
    case WM_DESTROY:
        m_shell.m_hwndEditMessage = nullptr;
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

HBRUSH CDlgEditMsg::OnCtlColor(HDC dc, HWND control, UINT type) {
    // The message keeps the edit control's own colours.
    if (type == CTLCOLOR_EDIT || !m_brush)
        return CDialog::OnCtlColor(dc, control, type);
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
