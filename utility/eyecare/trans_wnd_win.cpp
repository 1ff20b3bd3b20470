#include "utility/eyecare/trans_wnd_win.h"

#include "framework/handles_win.h"
#include "utility/eyecare/filter_bitmap_win.h"
#include "utility/eyecare/overlay_tiles.h"

namespace {

bool RegisterOverlayClass() {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW; // no cursor, background brush or icon
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kOverlayClass;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

bool CTransWnd::Create(HWND owner, const RECT& rect) {
    static const bool registered = RegisterOverlayClass();
    if (!registered)
        return false;
    if (!CreateEx(kOverlayExStyle, kOverlayClass, kOverlayTitle, WS_POPUP | WS_VISIBLE, rect, owner,
                  0))
        return false;
    ShowWindow(SW_HIDE);
    return true;
}

void CTransWnd::SetPicture(const FilterImage* image) {
    m_picture = dynamic_cast<const FilterBitmap*>(image);
    Invalidate(true);
}

void CTransWnd::SetAlpha(int alpha) {
    ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void CTransWnd::Show(bool show) {
    // Shown without activation: an overlay that took the focus would swallow the user's typing.
    ShowWindow(show ? SW_SHOWNA : SW_HIDE);
}

void CTransWnd::RaiseToTop() {
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CTransWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintDC dc(m_hWnd);
        Draw(dc.Get());
        return 0;
    }
    if (message == WM_PRINTCLIENT) {
        // The same drawing into a DC of the caller's (a window capture, a test).
        Draw(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return CWnd::OnMessage(message, wParam, lParam);
}

void CTransWnd::Draw(HDC target) {
    const RECT client = GetClientRect();
    const int width = m_picture ? m_picture->Width() : 0;
    const int height = m_picture ? m_picture->Height() : 0;
    const OverlayTiles tiles = TilesFor(client.right, client.bottom, width, height);
    if (tiles.columns == 0) {
        ::FillRect(target, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        return;
    }
    ScopedCreatedDC memory(::CreateCompatibleDC(target));
    if (!memory)
        return;
    SelectObjectScope picture(memory.Get(), m_picture->Bitmap());
    for (int row = 0; row < tiles.rows; ++row) {
        for (int column = 0; column < tiles.columns; ++column)
            ::BitBlt(target, column * width, row * height, width, height, memory.Get(), 0, 0,
                     SRCCOPY);
    }
}
