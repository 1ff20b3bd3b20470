#include "utility/shell/page_brush_win.h"

SIZE CreatePageBrush(HWND dialog, ScopedBrush& brush, UINT normalBitmapId, UINT largeBitmapId) {
    SIZE size{0, 0};
    ClientDC dc(dialog);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int dpi = ::GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const UINT id = dpi >= 120 ? largeBitmapId : normalBitmapId;
    ScopedBitmap bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    if (!bitmap)
        return size;
    BITMAP info{};
    ::GetObjectA(bitmap.Get(), sizeof info, &info);
    if (dpi == 96 || dpi == 120) {
        brush.Reset(::CreatePatternBrush(bitmap.Get()));
        return SIZE{info.bmWidth, info.bmHeight};
    }
    // Other resolutions: the picture stretched once over the whole client area.
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    ScopedBitmap stretched(::CreateCompatibleBitmap(dc.Get(), width, height));
    ScopedCreatedDC source(::CreateCompatibleDC(dc.Get()));
    ScopedCreatedDC target(::CreateCompatibleDC(dc.Get()));
    if (!stretched || !source || !target)
        return size;
    {
        SelectObjectScope fromBitmap(source.Get(), bitmap.Get());
        SelectObjectScope toBitmap(target.Get(), stretched.Get());
        ::StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth,
                     info.bmHeight, SRCCOPY);
    }
    brush.Reset(::CreatePatternBrush(stretched.Get()));
    return SIZE{width, height};
}
