#include "framework/link_static_win.h"

#include "framework/font_win.h"
#include "framework/res_string_win.h"

#include <windowsx.h>

void CLinkStatic::PreSubclassWindow() {
    // Without SS_NOTIFY a static neither reports clicks nor receives the mouse.
    ModifyStyle(0, SS_NOTIFY);
    LOGFONT description = FontDescription(GetFont());
    description.lfUnderline = TRUE;
    if (m_look.weight != 0)
        description.lfWeight = m_look.weight;
    m_font.Reset(::CreateFontIndirect(&description));
    // A link not yet shown is drawn by its first paint.
    SetFont(m_font.Get(), IsWindowVisible());
    CStatic::PreSubclassWindow();
}

LRESULT CLinkStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_hWnd && SetLinkCursor())
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        if (OnMouseMove(lParam) == HoverChange::Left)
            return 0;
        break;
    default:
        break;
    }
    return CStatic::OnMessage(message, wParam, lParam);
}

HoverChange CLinkStatic::OnMouseMove(LPARAM point) {
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const RECT client = GetClientRect();
    const HoverChange change = m_hover.OnMouseMove(::PtInRect(&client, at) != FALSE, CanHover());
    if (change != HoverChange::None)
        OnHoverChanged(change == HoverChange::Entered);
    return change;
}

bool CLinkStatic::SetLinkCursor() {
    // A shared resource cursor: the system owns it, nothing to free.
    HCURSOR cursor = ::LoadCursor(ResourceModule(), MAKEINTRESOURCE(m_look.cursorId));
    if (!cursor)
        return false;
    ::SetCursor(cursor);
    return true;
}

bool CLinkStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC)
        return CStatic::OnChildNotify(message, wParam, lParam, result);
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, IsHovered() ? m_look.hoverColor : m_look.normalColor);
    ::SetBkMode(dc, TRANSPARENT);
    if (!m_look.hollowBackground)
        return false;
    result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    return true;
}
