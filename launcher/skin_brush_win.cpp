#include "launcher/skin_brush_win.h"

#include "framework/res_string_win.h"
#include "launcher/launcher_app_win.h"
#include "launcher/skin_rules.h"

namespace {

SkinRect ToSkinRect(const RECT& rect) {
    return SkinRect{rect.left, rect.top, rect.right, rect.bottom};
}

// The whole of `bitmap` stretched once to `width` x `height`, compatible with `dc`.
ScopedBitmap StretchedCopy(HDC dc, HBITMAP bitmap, const BITMAP& info, int width, int height) {
    ScopedBitmap stretched(::CreateCompatibleBitmap(dc, width, height));
    ScopedCreatedDC source(::CreateCompatibleDC(dc));
    ScopedCreatedDC target(::CreateCompatibleDC(dc));
    if (!stretched || !source || !target)
        return ScopedBitmap();
    SelectObjectScope fromBitmap(source.Get(), bitmap);
    SelectObjectScope toBitmap(target.Get(), stretched.Get());
    ::SetStretchBltMode(target.Get(), HALFTONE);
    ::StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth, info.bmHeight,
                 SRCCOPY);
    return stretched;
}

} // namespace

SIZE LoadSkinBrush(HWND window, ScopedBrush& brush, UINT normalId, UINT largeId, bool pageVariant) {
    ClientDC dc(window);
    const int dpi = dc ? ::GetDeviceCaps(dc.Get(), LOGPIXELSX) : 96;
    const UINT id = UsesLargeSkin(dpi) ? largeId : normalId;
    ScopedBitmap bitmap(::LoadBitmap(ResourceModule(), MAKEINTRESOURCE(id)));
    BITMAP info{};
    if (!bitmap || !::GetObject(bitmap.Get(), sizeof info, &info))
        return SIZE{0, 0};
    if (!SkinIsStretched(dpi)) {
        brush.Reset(::CreatePatternBrush(bitmap.Get()));
        return SIZE{info.bmWidth, info.bmHeight};
    }
    RECT client{};
    ::GetClientRect(window, &client);
    const SkinRect target =
        SkinStretchTarget(ToSkinRect(client), TheApp().tabClientRect.right, dpi, pageVariant);
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    ScopedBitmap stretched;
    if (width > 0 && height > 0)
        stretched = StretchedCopy(dc.Get(), bitmap.Get(), info, width, height);
    if (!stretched) {
        // A window without a client area yet: the picture as it is is better than none.
        brush.Reset(::CreatePatternBrush(bitmap.Get()));
        return SIZE{info.bmWidth, info.bmHeight};
    }
    brush.Reset(::CreatePatternBrush(stretched.Get()));
    return SIZE{width, height};
}

void AlignSkinBrush(HDC dc, HBRUSH brush, SIZE pattern, HWND page, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    const SkinPoint origin = SeamlessBrushOrigin(pattern.cx, pattern.cy, ToSkinRect(rect));
    ::UnrealizeObject(brush);
    ::SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

void ResetSkinBrushOrigin(HDC dc, HBRUSH brush) {
    ::UnrealizeObject(brush);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
}
