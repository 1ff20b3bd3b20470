#include "utility/pages/dlg_vton_win.h"

#include "utility/res/resource.h"

CDlgVton::CDlgVton() : CDialog(IDD_VTON) {}

bool CDlgVton::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    return true;
}
