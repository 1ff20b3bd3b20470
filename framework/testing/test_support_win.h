// Shared set-up of the framework's window tests.
#pragma once

#include "framework/message_loop_win.h"
#include "framework/mingw_gaps_win.h"

// Registers the common control classes the test dialogs use (trackbar, up-down, tab).
inline void InitTestControls() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}
