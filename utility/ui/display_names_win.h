// The display device under the cursor or under a window.
#pragma once

#include "framework/mingw_gaps_win.h"

#include <string>

// The display device name (\\.\DISPLAYn) of the monitor under the cursor, or of the monitor that
// holds `window` (without a window: the utility's main window, found by its class). A window on
// no monitor gives an empty name; when no monitor is found within 5 seconds `name` is unchanged.
void GetDisplayDeviceName(std::string& name, HWND window, bool atCursor);
