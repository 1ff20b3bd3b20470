// CDlgVton, the Auto Veltone page: application-mode table and the automatic switching. For now the
// page shows its template and the maker's link; its controls come to life in their own change.
#pragma once

#include "framework/dialog_win.h"
#include "utility/shell/hyper_link_win.h"

class CDlgVton : public CDialog {
  public:
    CDlgVton();

  protected:
    bool OnInitDialog() override;

  private:
    CHyperLink m_link;
};
