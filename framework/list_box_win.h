// CListBox: a list box. Indexes are 0-based; LB_ERR (-1) means none or failure.
#pragma once

#include "framework/wnd_win.h"

class CListBox : public CWnd {
  public:
    int AddString(LPCTSTR text) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, LPCTSTR text) {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    // For single-selection list boxes.
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetTextLen(int index) const {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    // The text of item `index`, empty when there is none.
    TString GetText(int index) const {
        int length = GetTextLen(index);
        if (length <= 0)
            return TString();
        TString text(static_cast<std::size_t>(length) + 1, TEXT('\0'));
        int copied = static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(index),
                                                  reinterpret_cast<LPARAM>(text.data())));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return text;
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int FindStringExact(int after, LPCTSTR text) const {
        return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(after),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) {
        return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
    }
};
