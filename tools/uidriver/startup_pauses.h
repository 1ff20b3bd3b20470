// The pauses that the monitor protocol mandates before the utility can show its icon, and the
// time the calls themselves take: the
// enumeration of the described monitors and the build of their states, run on the simulator,
// whose virtual clock adds up every pause without waiting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct StartupPauses {
    std::uint64_t pausedMs = 0;
    // What the calls themselves take on the wire, as the description states them (call costs,
    // slow answers, time-outs); the simulated DLLs sleep the same inside each call.
    std::uint64_t callMs = 0;
    std::size_t described = 0;  // monitors in the description
    std::size_t controlled = 0; // monitors the enumeration keeps
};

// False when the description cannot be read; `error` then says why.
bool MeasureStartupPauses(const std::string& description, StartupPauses& pauses,
                          std::string& error);
