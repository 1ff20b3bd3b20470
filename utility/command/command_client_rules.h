// The starting process's next step with a command, from what it finds of a running utility:
// hand the command over, wait for a utility that is starting, run the command alone, or give up
// on a utility it cannot reach. Windows keeps a process of lower rights from opening the
// objects of an elevated one (OpenMutex fails with ERROR_ACCESS_DENIED) and drops the messages it
// sends to its windows (user-interface isolation): that utility runs, and a command run alone
// beside it would share its monitors.
#pragma once

#include "utility/command/command_runner.h"

enum class UtilityMutex { Absent, Held, Denied };

struct UtilityProbe {
    bool windowReady = false;  // the real utility's main window answered that it is ready
    bool windowDenied = false; // a query or the command sent to it failed: access denied
    UtilityMutex mutex = UtilityMutex::Absent;
};

enum class ClientStep { Send, Wait, RunAlone, Unreachable };

ClientStep NextClientStep(const UtilityProbe& probe);

// The answers of a client that gives up: the utility runs with higher rights, it stayed busy or
// silent, or the commands run alone kept their turn.
CommandAnswer UnreachableAnswer();
CommandAnswer SilentUtilityAnswer();
CommandAnswer AloneTurnTimedOutAnswer();
