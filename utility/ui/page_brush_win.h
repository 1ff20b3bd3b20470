// The background of the utility's pages and dialogs: a pattern brush from one of two bitmaps
// chosen by the screen resolution.
#pragma once

#include "framework/handles_win.h"

// Fills `brush` with a pattern brush for `dialog`'s background: the large bitmap from 120 dpi
// on; at exactly 96 or 120 dpi the bitmap as it is, at other resolutions stretched once over the
// client area. Answers the pattern's size; 0 x 0 and no brush when the bitmap cannot be loaded.
SIZE CreatePageBrush(HWND dialog, ScopedBrush& brush, UINT normalBitmapId, UINT largeBitmapId);
