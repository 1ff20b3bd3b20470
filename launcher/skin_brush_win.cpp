#include "launcher/skin_brush_win.h"

#include "framework/pattern_brush_win.h"
#include "launcher/skin_rules.h"

namespace {

SkinRect ToSkinRect(const RECT& rect) {
    return SkinRect{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

SIZE LoadSkinBrush(HWND window, ScopedBrush& brush, UINT normalId, UINT largeId,
                   const RECT* pageTabClient) {
    const bool pageVariant = pageTabClient != nullptr;
    const int tabClientRight = pageVariant ? pageTabClient->right : 0;
    return CreateDpiPatternBrush(
        window, brush, normalId, largeId, [&](const RECT& client, int dpi) {
            const SkinRect target =
                SkinStretchTarget(ToSkinRect(client), tabClientRight, dpi, pageVariant);
            return SIZE{target.right - target.left, target.bottom - target.top};
        });
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
