// CTabCtrlEx: the main window's tab control. It never erases its background (the pages and the
// main window's skin cover it) and marks the selected tab: a light fill that continues into the
// page, its title drawn again in the parent's font, and a gold bar along its top.
#pragma once

#include "framework/tab_ctrl_win.h"

class CTabCtrlEx : public CTabCtrl {
  public:
    // Inserts an item with a text and a value of the caller's (TCIF_TEXT | TCIF_PARAM); answers
    // its index, -1 on failure.
    int InsertItem(int index, LPCTSTR text, LPARAM data);
    // The value stored with item `index`; -1 when there is no such item.
    long long GetItemData(int index) const;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void PaintSelectedItem();
};
