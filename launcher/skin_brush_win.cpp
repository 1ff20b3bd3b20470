#include "launcher/skin_brush_win.h"

#include "framework/dpi_bitmap_rules.h"
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

bool SkinFollowsSize(HWND window) {
    return BitmapIsStretched(WindowDpi(window));
}
