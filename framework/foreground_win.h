// Bringing a window of a background program to the foreground.
#pragma once

#include "framework/mingw_gaps_win.h"

// Makes `window` the foreground window. Windows refuses that to a background program while the
// foreground lock time-out runs; the time-out is lifted for this one call and put back, without
// touching the user's profile.
void BringToForeground(HWND window);
