#include "utility/pages/dlg_color_win.h"

#include "utility/res/resource.h"

CDlgColor::CDlgColor() : CDialog(IDD_COLOR) {}

bool CDlgColor::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    return true;
}
