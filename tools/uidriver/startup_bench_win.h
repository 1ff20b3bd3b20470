// The start-up benchmark: the utility and the bare baseline program, each started several times
// in turn under the same Wine, measured alike from outside, compared in a printed report.
#pragma once

#include <cstddef>

// Runs `rounds` rounds (baseline, then utility) and prints the report. `description` is the
// monitor description the utility works on (through the simulated DLLs beside it). Returns 0, or
// 1 when a program did not start, show its icon or end, 2 when the description cannot be read.
int RunStartupBench(const char* utilityExe, const char* baselineExe, const char* description,
                    std::size_t rounds);
