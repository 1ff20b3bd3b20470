// Painting a minimised dialog: a dialog has no class icon, so while minimised it draws its icon
// itself.
#pragma once

#include "framework/mingw_gaps_win.h"

// For WM_PAINT of `window`: when it is minimised, erases the icon's background and draws `icon`
// centred in the client area, and answers true (the paint is done). Otherwise does nothing and
// answers false, so the window paints as usual.
bool PaintMinimisedIcon(HWND window, HICON icon);
