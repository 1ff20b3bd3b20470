// The keys that lead out of a page into the main window: Alt+C focuses the main window's Close
// button (and goes on), Tab on the page's last enabled control goes to Close, Shift+Tab on its
// first enabled control goes to the tab control. The colour and sound pages share them.
#pragma once

#include "framework/mingw_gaps_win.h"

// Handles `msg` for `page` whose tab order starts at control `firstId`; true consumes the key.
bool HandlePageExitKeys(HWND page, int firstId, const MSG& msg);
