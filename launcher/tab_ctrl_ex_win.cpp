#include "launcher/tab_ctrl_ex_win.h"

#include "framework/font_win.h"
#include "framework/handles_win.h"

namespace {

constexpr COLORREF kSelectedFill = RGB(248, 248, 246);
constexpr COLORREF kSelectedBar = RGB(245, 199, 60);
constexpr int kTitleCapacity = 256;

// Fills `rect` through the background colour, which stays set: text drawn opaquely afterwards
// sits on the same colour.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOut(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace

int CTabCtrlEx::InsertItem(int index, LPCTSTR text, LPARAM data) {
    TCITEM item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPTSTR>(text);
    item.lParam = data;
    return static_cast<int>(
        SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

long long CTabCtrlEx::GetItemData(int index) const {
    TCITEM item{};
    item.mask = TCIF_PARAM;
    if (index < 0 ||
        !SendMessage(TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return -1;
    return static_cast<long long>(item.lParam);
}

LRESULT CTabCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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

void CTabCtrlEx::PaintSelectedItem() {
    const int selected = GetCurSel();
    RECT item{};
    if (selected < 0 || !GetItemRect(selected, item))
        return;
    ClientDC dc(m_hWnd);
    if (!dc)
        return;
    FillSolidRect(dc.Get(), item, kSelectedFill);
    const LOGFONT description =
        FontDescription(reinterpret_cast<HFONT>(::SendMessage(GetParent(), WM_GETFONT, 0, 0)));
    ScopedFont font(::CreateFontIndirect(&description));
    SelectObjectScope selectFont(dc.Get(), font.Get());
    const TString text = GetItemText(selected, kTitleCapacity);
    if (IsWindow())
        ::DrawText(dc.Get(), text.c_str(), -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT bar{item.left - 1, item.top - 2, item.right, item.top + 1};
    FillSolidRect(dc.Get(), bar, kSelectedBar);
}
