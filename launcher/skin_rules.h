// Arithmetic of the launcher's skins, which need no window: which bitmap a screen resolution
// takes, when the bitmap is stretched and to what, and the brush origin that lets a page's
// picture run on behind a control without a seam.
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

// From 120 dpi on the large bitmap is used.
bool UsesLargeSkin(int dpi);
// At exactly 96 and 120 dpi the bitmap repeats as it is; at any other resolution it is
// stretched once over the window.
bool SkinIsStretched(int dpi);

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
