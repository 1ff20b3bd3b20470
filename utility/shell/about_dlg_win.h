// The About box: the version line and the copyright line.
#pragma once

#include "framework/dialog_win.h"

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();

  protected:
    bool OnInitDialog() override;
};
