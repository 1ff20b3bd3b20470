#include "framework/marked_tab_ctrl_win.h"

#include "framework/font_win.h"

namespace {

constexpr int kTitleCapacity = 256;

// Fills `rect` with `colour` through the background colour, which stays set, so text drawn
// opaquely afterwards sits on the same colour.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOut(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace

LRESULT CMarkedTabCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        const LRESULT result = CTabCtrl::OnMessage(message, wParam, lParam);
        PaintSelectedItem();
        return result;
    }
    default:
        break;
    }
    return CTabCtrl::OnMessage(message, wParam, lParam);
}

void CMarkedTabCtrl::PaintSelectedItem() {
    const int selected = GetCurSel();
    RECT item{};
    if (selected < 0 || !GetItemRect(selected, item))
        return;
    ClientDC dc(m_hWnd);
    if (!dc)
        return;
    FillSolidRect(dc.Get(), item, m_selectedFill);

    const LOGFONT description =
        FontDescription(reinterpret_cast<HFONT>(::SendMessage(GetParent(), WM_GETFONT, 0, 0)));
    m_selFont.Reset(::CreateFontIndirect(&description));
    {
        SelectObjectScope font(dc.Get(), m_selFont.Get());
        const TString text = GetItemText(selected, kTitleCapacity);
        // The text colour and background mode stay as the control left them.
        if (IsWindow())
            ::DrawText(dc.Get(), text.c_str(), -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const RECT bar{item.left - 1, item.top - 2, item.right, item.top + 1};
        FillSolidRect(dc.Get(), bar, m_selectedBar);
    }
    m_selFont.Reset();
}
