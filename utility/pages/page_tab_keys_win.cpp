#include "utility/pages/page_tab_keys_win.h"

#include "utility/res/resource.h"

namespace {

// The first enabled control of the page's tab order, searching forward from `firstId`.
HWND FirstEnabled(HWND page, int firstId) {
    HWND first = ::GetDlgItem(page, firstId);
    if (!first || ::IsWindowEnabled(first))
        return first;
    return ::GetNextDlgTabItem(page, first, FALSE);
}

// `focus` is `control` or lies inside it (the edit field of a combo box).
bool IsOrInside(HWND focus, HWND control) {
    return control && (focus == control || ::GetParent(focus) == control);
}

} // namespace

bool HandlePageExitKeys(HWND page, int firstId, const MSG& msg) {
    HWND main = ::GetAncestor(page, GA_ROOT);
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == 'C') {
        ::SetFocus(::GetDlgItem(main, IDC_CLOSE));
        return false;
    }
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || (::GetKeyState(VK_CONTROL) & 0x8000))
        return false;
    const HWND first = FirstEnabled(page, firstId);
    const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (!shift) {
        const HWND last = first ? ::GetNextDlgTabItem(page, first, TRUE) : nullptr;
        if (!IsOrInside(msg.hwnd, last))
            return false;
        ::SetFocus(::GetDlgItem(main, IDC_CLOSE));
        return true;
    }
    if (!IsOrInside(msg.hwnd, first))
        return false;
    ::SetFocus(::GetDlgItem(main, IDC_TAB));
    return true;
}
