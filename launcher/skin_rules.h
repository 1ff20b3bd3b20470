// Arithmetic of the launcher's skins, which need no window: what a stretched skin covers, and
// the brush origin that lets a page's picture run on behind a control without a seam. Which
// bitmap a resolution takes is the framework's rule (framework/dpi_bitmap_rules.h).
#pragma once

struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct SkinPoint {
    int x = 0;
    int y = 0;
};

// The rectangle a stretched skin covers: the window's client rectangle; for a page, its right
// edge at the tab control's client right edge less the tab frame (4 pixels at 96 dpi, scaled).
// A target that would be empty (a page before the tab control's size is known) is the client
// rectangle unchanged, so a brush can always be made.
SkinRect SkinStretchTarget(const SkinRect& client, int tabClientRight, int dpi, bool pageVariant);

// The brush origin for painting a control at `control` (in its page's client coordinates) with
// a pattern of the given size, so that the pattern the control shows lines up with the page's:
// (width - left, height - top), brought into the pattern's range.
SkinPoint SeamlessBrushOrigin(int patternWidth, int patternHeight, const SkinRect& control);

// The system's MulDiv(number, numerator, denominator): the product divided with rounding half
// away from zero; -1 for a zero denominator.
int MulDivRounded(int number, int numerator, int denominator);
