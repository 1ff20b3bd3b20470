#include "utility/eyecare/file_dialog_ex_win.h"

#include "utility/ui/user_messages.h"

CFileDialogEx::CFileDialogEx(ShellState& shell, TStringView defaultExtension, TStringView filter)
    : CFileDialog(defaultExtension, filter, OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING),
      m_shell(shell) {}

INT_PTR CFileDialogEx::DoModal(HWND owner) {
    const INT_PTR result = CFileDialog::DoModal(owner);
    // However it ended, the handle is stale now.
    m_shell.m_hwndFilterFileDialog = nullptr;
    return result;
}

void CFileDialogEx::OnInitDone() {
    m_shell.m_hwndFilterFileDialog = GetHookWindow();
}

bool CFileDialogEx::OnHookMessage(UINT message, WPARAM, LPARAM) {
    if (message != WM_CLOSE_FOR_RESCAN)
        return false;
    // Posted to the dialog itself rather than typed as keys: synthesised keys would reach
    // whichever window has the foreground, which need not be this dialog.
    if (HWND dialog = GetDialog())
        ::PostMessage(dialog, WM_COMMAND, IDCANCEL, 0);
    m_shell.m_hwndFilterFileDialog = nullptr;
    return true;
}
