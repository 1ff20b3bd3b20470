#include "utility/ui/page_brush_win.h"

#include "framework/pattern_brush_win.h"

SIZE CreatePageBrush(HWND dialog, ScopedBrush& brush, UINT normalBitmapId, UINT largeBitmapId) {
    return CreateDpiPatternBrush(dialog, brush, normalBitmapId, largeBitmapId);
}
