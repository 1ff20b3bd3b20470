// The one retry loop of the monitor layer: an operation tried a fixed number of times with a
// fixed pause between attempts.
#pragma once

#include "utility/monitor/ports.h"

#include <cstdint>

// Runs `attempt` until it answers true, at most `attempts` times (at least once), sleeping
// `pauseMs` on `clock` between two attempts. No pause follows the last failed attempt: it would
// only hold the user-interface thread. Answers whether an attempt succeeded.
// `giveUp`, asked after each failed attempt, ends the loop early: a monitor that timed out
// would only time out again.
template <typename Attempt, typename GiveUp>
bool RetryWithPause(ClockPort& clock, int attempts, std::uint32_t pauseMs, Attempt attempt,
                    GiveUp giveUp) {
    for (int tried = 1;; ++tried) {
        if (attempt())
            return true;
        if (tried >= attempts || giveUp())
            return false;
        clock.Sleep(pauseMs);
    }
}

template <typename Attempt>
bool RetryWithPause(ClockPort& clock, int attempts, std::uint32_t pauseMs, Attempt attempt) {
    return RetryWithPause(clock, attempts, pauseMs, attempt, [] { return false; });
}
