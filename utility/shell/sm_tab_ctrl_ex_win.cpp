#include "utility/shell/sm_tab_ctrl_ex_win.h"

#include "utility/ui/user_messages.h"

LRESULT CSMTabCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The tabs scrolled: the main window repaints the control as a whole.
    if (message == WM_HSCROLL)
        ::PostMessageA(GetParent(), WM_TAB_REDRAW, 0, 0);
    return CMarkedTabCtrl::OnMessage(message, wParam, lParam);
}
