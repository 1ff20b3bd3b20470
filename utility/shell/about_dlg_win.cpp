#include "utility/shell/about_dlg_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

CAboutDlg::CAboutDlg(ShellState& shell) : CDialog(IDD_ABOUTBOX), m_shell(shell) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shell.m_hwndAbout = m_hWnd;
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, LoadResString(IDS_VERSION).c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_COPYRIGHT, LoadResString(IDS_COPYRIGHT).c_str());
    return true;
}

LRESULT CAboutDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE_FOR_RESCAN) {
        EndDialog(IDCANCEL);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        m_shell.m_hwndAbout = nullptr;
    return CDialog::OnMessage(message, wParam, lParam);
}
