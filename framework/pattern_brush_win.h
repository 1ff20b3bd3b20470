// Background pattern brushes made from one of two bitmap resources, chosen by the screen
// resolution: the normal bitmap below 120 dots per inch, the large one from 120 on. At exactly
// 96 and 120 dpi the bitmap repeats as it is; at any other resolution a copy stretched once to
// a size of the caller's choosing repeats instead.
#pragma once

#include "framework/handles_win.h"

#include <functional>

// The size a stretched pattern covers, from the window's client rectangle and the resolution.
using PatternStretchRule = std::function<SIZE(const RECT& client, int dpi)>;

// The whole client area.
SIZE StretchOverClientArea(const RECT& client, int dpi);

// The horizontal resolution of `window`'s device context, in dots per inch; 96 when it cannot
// be read.
int WindowDpi(HWND window);

// Makes `brush` the pattern brush for `window` at `dpi` from the program's bitmap `normalId` or
// `largeId`, and answers the size at which the pattern repeats. A stretched copy that cannot be
// made (an empty target: a window without a client area yet) leaves the bitmap as it is. When
// the bitmap cannot be loaded: 0 x 0, `brush` unchanged.
SIZE CreateDpiPatternBrush(HWND window, int dpi, ScopedBrush& brush, UINT normalId, UINT largeId,
                           const PatternStretchRule& stretchTo = StretchOverClientArea);
// The same at the resolution of `window`.
SIZE CreateDpiPatternBrush(HWND window, ScopedBrush& brush, UINT normalId, UINT largeId,
                           const PatternStretchRule& stretchTo = StretchOverClientArea);

// Paints with `brush` from the origin that continues `window`'s picture behind `control` (a
// child of `window`): unrealises the brush and sets the origin on `dc`.
void AlignPatternBrush(HDC dc, HBRUSH brush, SIZE pattern, HWND window, HWND control);
// The same with the origin at (0, 0), for a window that shows the picture from its own corner.
void ResetPatternBrushOrigin(HDC dc, HBRUSH brush);
