// CDlgSound, the sound page: speaker volume. For now the page shows its
// template and the maker's link; its controls come to life in their own change.
#pragma once

#include "framework/dialog_win.h"
#include "utility/shell/hyper_link_win.h"

class CDlgSound : public CDialog {
  public:
    CDlgSound();

  protected:
    bool OnInitDialog() override;

  private:
    CHyperLink m_link;
};
