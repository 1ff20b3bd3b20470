#include "utility/shell/about_dlg_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, LoadResString(IDS_VERSION).c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_ABOUT_COPYRIGHT, LoadResString(IDS_COPYRIGHT).c_str());
    return true;
}
