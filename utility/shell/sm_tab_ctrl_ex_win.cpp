#include "utility/shell/sm_tab_ctrl_ex_win.h"

#include "framework/font_win.h"
#include "utility/shell/user_messages.h"

namespace {

constexpr COLORREF kSelectedFill = RGB(245, 245, 241);
constexpr COLORREF kSelectedBar = RGB(245, 199, 60);

// Fills `rect` with `colour` through the background colour, which stays set, so text drawn
// opaquely afterwards sits on the same colour.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace

LRESULT CSMTabCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        LRESULT result = CTabCtrl::OnMessage(message, wParam, lParam);
        PaintSelectedItem();
        return result;
    }
    case WM_HSCROLL:
        // The tabs scrolled: the main window repaints the control as a whole.
        ::PostMessageA(GetParent(), WM_TAB_REDRAW, 0, 0);
        break;
    default:
        break;
    }
    return CTabCtrl::OnMessage(message, wParam, lParam);
}

void CSMTabCtrlEx::PaintSelectedItem() {
    int selected = GetCurSel();
    RECT item{};
    if (selected < 0 || !GetItemRect(selected, item))
        return;
    ClientDC dc(m_hWnd);
    if (!dc)
        return;
    FillSolidRect(dc.Get(), item, kSelectedFill);

    LOGFONT description =
        FontDescription(reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0)));
    m_selFont.Reset(::CreateFontIndirect(&description));
    {
        SelectObjectScope font(dc.Get(), m_selFont.Get());
        TString text = GetItemText(selected, 256);
        if (IsWindow())
            ::DrawText(dc.Get(), text.c_str(), -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RECT bar{item.left - 1, item.top - 2, item.right, item.top + 1};
        FillSolidRect(dc.Get(), bar, kSelectedBar);
    }
    m_selFont.Reset();
}
