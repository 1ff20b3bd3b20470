// CTabCtrlEx: the main window's tab control, marked as the framework's marked tab control does
// (a light fill that continues into the page, the title in the parent's font, a gold bar along
// the top), with each tab's kind kept as its item data.
#pragma once

#include "framework/marked_tab_ctrl_win.h"

class CTabCtrlEx : public CMarkedTabCtrl {
  public:
    CTabCtrlEx() : CMarkedTabCtrl(RGB(248, 248, 246), RGB(245, 199, 60)) {}

    // Inserts an item with a text and a value of the caller's (TCIF_TEXT | TCIF_PARAM); answers
    // its index, -1 on failure.
    int InsertItem(int index, LPCTSTR text, LPARAM data);
    // The value stored with item `index`; -1 when there is no such item.
    long long GetItemData(int index) const;
};
