// CTabCtrl: a tab control. Item indexes are 0-based; -1 means none or failure.
#pragma once

#include "framework/wnd_win.h"

class CTabCtrl : public CWnd {
  public:
    // Inserts a text item at `index`; answers its index.
    int InsertItem(int index, LPCTSTR text) {
        TCITEM item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPTSTR>(text);
        return static_cast<int>(SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&item)));
    }
    bool DeleteItem(int index) {
        return SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)) != FALSE;
    }
    bool DeleteAllItems() { return SendMessage(TCM_DELETEALLITEMS) != FALSE; }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    // Selects without notifying the parent; answers the previous selection.
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetCurFocus() const { return static_cast<int>(SendMessage(TCM_GETCURFOCUS)); }
    void SetCurFocus(int index) { SendMessage(TCM_SETCURFOCUS, static_cast<WPARAM>(index)); }
    bool GetItemRect(int index, RECT& rect) const {
        return SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&rect)) != FALSE;
    }
    // The text of item `index`, at most `capacity` - 1 characters; empty when there is none.
    TString GetItemText(int index, int capacity = 256) const {
        TString text(static_cast<std::size_t>(capacity), TEXT('\0'));
        TCITEM item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        item.cchTextMax = capacity;
        if (!SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
            return TString();
        // The control may answer with its own buffer instead of filling ours.
        return TString(item.pszText);
    }
    // Window rectangle to display area (`larger` false) or back (`larger` true).
    void AdjustRect(bool larger, RECT& rect) const {
        SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(&rect));
    }
    // The item at `point` (client coordinates), or -1.
    int HitTest(POINT point) const {
        TCHITTESTINFO info{};
        info.pt = point;
        return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    }
};
