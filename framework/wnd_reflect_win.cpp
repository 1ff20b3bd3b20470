// Notification reflection: a child control's notification offered to the child's own wrapper
// before its parent sees it.
#include "framework/wnd_win.h"

// The control a notification comes from, or null for messages that are no notifications.
HWND CWnd::ChildToReflectTo(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        if (lParam)
            child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        if (lParam && reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType != ODT_MENU)
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (lParam && reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType != ODT_MENU)
            child = ::GetDlgItem(
                self, static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
        break;
    case WM_COMPAREITEM:
        if (lParam)
            child = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_DELETEITEM:
        if (lParam)
            child = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        break;
    }
    (void)wParam;
    return child == self ? nullptr : child;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = ChildToReflectTo(m_hWnd, message, wParam, lParam);
    if (!child)
        return false;
    CWnd* wnd = FromHandle(child);
    return wnd && wnd->OnChildNotify(message, wParam, lParam, result);
}
