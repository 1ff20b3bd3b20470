// CSMTabCtrlEx: the main window's tab control, which marks the selected tab with a light fill,
// its text in the dialog's font and a coloured bar along its top. When its tabs scroll it asks
// the main window to repaint it as a whole.
#pragma once

#include "framework/marked_tab_ctrl_win.h"

class CSMTabCtrlEx : public CMarkedTabCtrl {
  public:
    CSMTabCtrlEx() : CMarkedTabCtrl(RGB(245, 245, 241), RGB(245, 199, 60)) {}

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
