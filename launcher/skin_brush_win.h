// The skin of the launcher's windows: a background pattern brush made from one of two bitmaps
// chosen by the screen resolution.
#pragma once

#include "framework/handles_win.h"

// Makes `brush` the background of `window` from bitmap `normalId` (below 120 dpi) or `largeId`;
// at 96 and 120 dpi the bitmap repeats as it is, at other resolutions it is stretched over the
// window's client area. A page passes the tab control's client rectangle (`pageTabClient`): its
// stretched skin is only as wide as that less the tab frame; the main window passes null.
// Answers the size at which the pattern repeats; 0 x 0 and no brush when the bitmap cannot be
// loaded.
SIZE LoadSkinBrush(HWND window, ScopedBrush& brush, UINT normalId, UINT largeId,
                   const RECT* pageTabClient);

// Whether `window`'s skin depends on its size (stretched at this resolution): only then does a
// page make its brush again when it is resized.
bool SkinFollowsSize(HWND window);
