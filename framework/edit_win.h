// CEdit: a single- or multi-line edit control.
#pragma once

#include "framework/wnd_win.h"

class CEdit : public CWnd {
  public:
    // At most `characters` may be typed; 0 restores the control's own limit.
    void LimitText(int characters) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    int GetLimitText() const { return static_cast<int>(SendMessage(EM_GETLIMITTEXT)); }
    // Selects characters first ... last - 1; (0, -1) selects everything, (-1, 0) nothing.
    void SetSel(int first, int last) { SendMessage(EM_SETSEL, first, last); }
    void GetSel(int& first, int& last) const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        first = static_cast<int>(start);
        last = static_cast<int>(end);
    }
    void ReplaceSel(LPCTSTR text, bool canUndo = false) {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
    }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    bool SetReadOnly(bool readOnly = true) { return SendMessage(EM_SETREADONLY, readOnly) != 0; }
    bool GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetModify(bool modified = true) { SendMessage(EM_SETMODIFY, modified); }
};
