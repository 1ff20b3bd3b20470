#include "framework/pattern_brush_win.h"

#include "framework/brush_origin.h"
#include "framework/dpi_bitmap_rules.h"
#include "framework/res_string_win.h"

namespace {

constexpr int kBaseDpi = 96;

// The whole of `bitmap` stretched once to `size`, compatible with `dc`; empty on failure.
ScopedBitmap StretchedCopy(HDC dc, HBITMAP bitmap, const BITMAP& info, SIZE size) {
    if (size.cx <= 0 || size.cy <= 0)
        return ScopedBitmap();
    ScopedBitmap stretched(::CreateCompatibleBitmap(dc, size.cx, size.cy));
    ScopedCreatedDC source(::CreateCompatibleDC(dc));
    ScopedCreatedDC target(::CreateCompatibleDC(dc));
    if (!stretched || !source || !target)
        return ScopedBitmap();
    SelectObjectScope fromBitmap(source.Get(), bitmap);
    SelectObjectScope toBitmap(target.Get(), stretched.Get());
    // Averaged rather than dropped pixels: the picture keeps its look at any scale.
    ::SetStretchBltMode(target.Get(), HALFTONE);
    ::StretchBlt(target.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
    return stretched;
}

} // namespace

SIZE StretchOverClientArea(const RECT& client, int /*dpi*/) {
    return SIZE{client.right - client.left, client.bottom - client.top};
}

int WindowDpi(HWND window) {
    ClientDC dc(window);
    return dc ? ::GetDeviceCaps(dc.Get(), LOGPIXELSX) : kBaseDpi;
}

SIZE CreateDpiPatternBrush(HWND window, int dpi, ScopedBrush& brush, UINT normalId, UINT largeId,
                           const PatternStretchRule& stretchTo) {
    const UINT id = UsesLargeBitmap(dpi) ? largeId : normalId;
    ScopedBitmap bitmap(::LoadBitmap(ResourceModule(), MAKEINTRESOURCE(id)));
    BITMAP info{};
    if (!bitmap || !::GetObject(bitmap.Get(), sizeof info, &info))
        return SIZE{0, 0};
    if (BitmapIsStretched(dpi)) {
        RECT client{};
        ::GetClientRect(window, &client);
        const SIZE size = stretchTo(client, dpi);
        ClientDC dc(window);
        if (ScopedBitmap stretched = StretchedCopy(dc.Get(), bitmap.Get(), info, size)) {
            brush.Reset(::CreatePatternBrush(stretched.Get()));
            return size;
        }
    }
    // The brush keeps its own copy of the pattern: the bitmap may go.
    brush.Reset(::CreatePatternBrush(bitmap.Get()));
    return SIZE{info.bmWidth, info.bmHeight};
}

SIZE CreateDpiPatternBrush(HWND window, ScopedBrush& brush, UINT normalId, UINT largeId,
                           const PatternStretchRule& stretchTo) {
    return CreateDpiPatternBrush(window, WindowDpi(window), brush, normalId, largeId, stretchTo);
}

void AlignPatternBrush(HDC dc, HBRUSH brush, SIZE pattern, HWND window, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    const BrushOrigin origin = SeamlessBrushOrigin(pattern.cx, pattern.cy, rect.left, rect.top);
    ::UnrealizeObject(brush);
    ::SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

void ResetPatternBrushOrigin(HDC dc, HBRUSH brush) {
    ::UnrealizeObject(brush);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
}
