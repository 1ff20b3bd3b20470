#include "utility/pages/dlg_sound_win.h"

#include "utility/res/resource.h"

CDlgSound::CDlgSound() : CDialog(IDD_SOUND) {}

bool CDlgSound::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    return true;
}
