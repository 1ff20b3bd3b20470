// The launcher's own user messages, sent synchronously by the main window to its item pages,
// both with zero parameters.
#pragma once

#include "framework/mingw_gaps_win.h"

// Exit was chosen: run the applications that installers started from the page registered.
inline constexpr UINT WM_LAUNCH_REGISTERED_APPS = WM_USER + 110; // 1134
// The main window was deactivated: clear the highlighted item.
inline constexpr UINT WM_RESET_HOVER = WM_USER + 111; // 1135
