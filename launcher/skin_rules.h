// Arithmetic of the launcher's skins, which need no window: what a stretched skin covers. Which
// bitmap a resolution takes and where a brush starts behind a control are the framework's rules
// (framework/dpi_bitmap_rules.h, framework/brush_origin.h).
#pragma once

struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle a stretched skin covers: the window's client rectangle; for a page, its right
// edge at the tab control's client right edge less the tab frame (4 pixels at 96 dpi, scaled).
// A target that would be empty (a page before the tab control's size is known) is the client
// rectangle unchanged, so a brush can always be made.
SkinRect SkinStretchTarget(const SkinRect& client, int tabClientRight, int dpi, bool pageVariant);

// The system's MulDiv(number, numerator, denominator): the product divided with rounding half
// away from zero; -1 for a zero denominator.
int MulDivRounded(int number, int numerator, int denominator);
