#include "launcher/link_static_win.h"

#include "framework/font_win.h"
#include "framework/res_string_win.h"
#include "launcher/res/resource.h"

namespace {

constexpr LONG kLinkWeight = 800;

} // namespace

void CLinkStatic::PreSubclassWindow() {
    // Without SS_NOTIFY a static neither reports clicks nor receives the mouse.
    ModifyStyle(0, SS_NOTIFY);
    LOGFONT description = FontDescription(GetFont());
    description.lfUnderline = TRUE;
    description.lfWeight = kLinkWeight;
    m_font.Reset(::CreateFontIndirect(&description));
    SetFont(m_font.Get(), true);
    CStatic::PreSubclassWindow();
}

LRESULT CLinkStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == m_hWnd) {
        // A shared resource cursor: the system owns it, nothing to free.
        if (HCURSOR hand = ::LoadCursor(ResourceModule(), MAKEINTRESOURCE(IDC_LINK_HAND))) {
            ::SetCursor(hand);
            return TRUE;
        }
    }
    return CStatic::OnMessage(message, wParam, lParam);
}

bool CLinkStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, m_hovered ? kHoverColor : kNormalColor);
        ::SetBkMode(dc, TRANSPARENT);
        return false;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}
