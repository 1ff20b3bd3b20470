// The CPU time the calling process has used so far, for the state query through which the idle
// benchmark reads it (Wine answers 0 for another process's times).
#pragma once

#include "framework/mingw_gaps_win.h"

// User and kernel time of this process, in milliseconds.
inline unsigned long long OwnCpuMs() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    auto hundredNs = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return (hundredNs(kernel) + hundredNs(user)) / 10000;
}
