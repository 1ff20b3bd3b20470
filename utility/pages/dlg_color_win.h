// CDlgColor, the colour page: monitor choice and picture mode. For now the page shows its
// template and the maker's link; its controls come to life in their own change.
#pragma once

#include "framework/dialog_win.h"
#include "utility/shell/hyper_link_win.h"

class CDlgColor : public CDialog {
  public:
    CDlgColor();

  protected:
    bool OnInitDialog() override;

  private:
    CHyperLink m_link;
};
