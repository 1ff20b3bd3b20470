// CSMTabCtrlEx: the main window's tab control, which marks the selected tab with a light fill,
// its text in the dialog's font and a coloured bar along its top.
#pragma once

#include "framework/handles_win.h"
#include "framework/tab_ctrl_win.h"

class CSMTabCtrlEx : public CTabCtrl {
  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void PaintSelectedItem();

    // Made from the parent's font for one paint and deleted again at its end.
    ScopedFont m_selFont;
};
