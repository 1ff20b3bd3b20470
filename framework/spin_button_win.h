// CSpinButtonCtrl: an up-down control, usually paired with an edit control as its buddy.
#pragma once

#include "framework/wnd_win.h"

class CSpinButtonCtrl : public CWnd {
  public:
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, lower, upper); }
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                    reinterpret_cast<LPARAM>(&upper));
    }
    // Answers the previous position.
    int SetPos32(int position) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position)); }
    // The position; `ok` false when the buddy's text is no valid position.
    int GetPos32(bool* ok = nullptr) const {
        BOOL failed = FALSE;
        int position =
            static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
        if (ok)
            *ok = !failed;
        return position;
    }
    HWND SetBuddy(HWND buddy) {
        return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
    }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
    // 10 or 16.
    int SetBase(int base) {
        return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(base)));
    }
};
