// The start-up benchmark's figures and its printed comparison of the utility with the bare
// baseline program, against the goals: private bytes at most 1.5 times the baseline's, and the
// icon at most the mandated monitor pauses plus 10 ms later than the baseline's.
#pragma once

#include "tools/uidriver/startup_pauses.h"

#include <cstdint>
#include <string>
#include <vector>

// One start of one program.
struct StartupRun {
    double iconMs = 0;     // process creation to the icon, on the tick count of both
    double readyMs = 0;    // process creation until the program answers that its icon is up
    double ownIconMs = -1; // the program's own figure from its first code to the icon, -1 without
    std::uint64_t privateBytes = 0;   // commit charge
    std::uint64_t privateRegions = 0; // committed private regions: heaps, stacks, allocations
    std::uint64_t workingSet = 0;
    long monitors = -1; // monitors the program controls
};

// Medians over the rounds, and the spread of the time to the icon.
struct StartupMedians {
    double iconMs = 0;
    double readyMs = 0;
    double ownIconMs = -1;
    double privateBytes = 0;
    double privateRegions = 0;
    double workingSet = 0;
    double fastestIconMs = 0;
    double slowestIconMs = 0;
    std::size_t rounds = 0;
};

// The median of each figure over `runs` (not empty).
StartupMedians Medians(const std::vector<StartupRun>& runs);

// The report's lines: both programs' medians side by side, the ratios, the goals and whether
// each is met. `utilityMonitors` is how many monitors the utility said it controls.
std::string FormatStartupReport(const StartupMedians& ours, const StartupMedians& baseline,
                                const StartupPauses& pauses, long utilityMonitors);
