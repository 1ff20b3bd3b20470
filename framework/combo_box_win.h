// CComboBox: a drop-down list or a combo box with an edit field. Indexes are 0-based; CB_ERR
// (-1) means none or failure.
#pragma once

#include "framework/wnd_win.h"

class CComboBox : public CWnd {
  public:
    int AddString(LPCTSTR text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, LPCTSTR text) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // -1 clears the selection.
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetLBTextLen(int index) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    // The text of item `index`, empty when there is none.
    TString GetLBText(int index) const {
        int length = GetLBTextLen(index);
        if (length <= 0)
            return TString();
        TString text(static_cast<std::size_t>(length) + 1, TEXT('\0'));
        int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index),
                                                  reinterpret_cast<LPARAM>(text.data())));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return text;
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    // The first item after `after` (-1: from the start) whose whole text equals `text`, ignoring
    // case.
    int FindStringExact(int after, LPCTSTR text) const {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after),
                                            reinterpret_cast<LPARAM>(text)));
    }
    void LimitText(int characters) { SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void ShowDropDown(bool show = true) { SendMessage(CB_SHOWDROPDOWN, show); }
    bool GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != 0; }
};
