// CButton: push buttons, check boxes, radio buttons and group boxes.
#pragma once

#include "framework/wnd_win.h"

class CButton : public CWnd {
  public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetButtonStyle(UINT style, bool redraw = true) { SendMessage(BM_SETSTYLE, style, redraw); }
    // Presses the button as a click would: the parent receives BN_CLICKED.
    void Click() { SendMessage(BM_CLICK); }
};
