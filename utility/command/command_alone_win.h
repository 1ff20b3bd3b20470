// A command carried out in the starting process, when no utility runs: the monitors found as
// the utility finds them at start-up, no icon and no window; the screen filter is only stored.
#pragma once

// windows.h first: it renames the functions the ports mirror (GetMonitorInfo, LoadImage), and
// every declaration has to see the same names.
#include "framework/mingw_gaps_win.h"
#include "utility/command/command_runner.h"

CommandAnswer RunCommandAlone(const CommandRequest& request);
