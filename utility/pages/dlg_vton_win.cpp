#include "dlg_vton_win.h"

#include "resource.h"

CDlgVton::CDlgVton() : CDialog(IDD_VTON) {}

bool CDlgVton::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    return true;
}
