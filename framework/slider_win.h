// CSliderCtrl: a trackbar. The parent receives its movements as WM_HSCROLL or WM_VSCROLL.
#pragma once

#include "framework/wnd_win.h"

class CSliderCtrl : public CWnd {
  public:
    void SetRange(int minimum, int maximum, bool redraw = false) {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    // The control keeps the position inside its range.
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
    void ClearTics(bool redraw = false) { SendMessage(TBM_CLEARTICS, redraw); }
    bool SetTic(int position) { return SendMessage(TBM_SETTIC, 0, position) != FALSE; }
    int SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
    int SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
};
