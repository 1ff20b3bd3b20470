// A command carried out in the starting process, when no utility runs: the monitors found as
// the utility finds them at start-up, no icon and no window; the screen filter is only stored.
#pragma once

// windows.h first: it renames the functions the ports mirror (GetMonitorInfo, LoadImage), and
// every declaration has to see the same names.
#include "framework/mingw_gaps_win.h"
#include "utility/command/command_runner.h"

// Carries the command out once this run's turn among commands run alone has come; false, with
// nothing done, when `utilityRuns` says a utility started meanwhile (it then takes the command).
// A turn that does not come answers "no answer".
bool RunCommandAlone(const CommandRequest& request, bool (*utilityRuns)(), CommandAnswer& answer);

// The utility, before its first monitor transaction, waits up to `ms` for a command run alone
// to end, so that the two never work on a monitor at once.
void WaitForCommandRunAlone(DWORD ms);
