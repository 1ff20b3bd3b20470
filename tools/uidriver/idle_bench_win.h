// The idle benchmark: the utility and the bare baseline program running side by side, their
// windows hidden, and the CPU time each takes over the same stretch of time.
#pragma once

// Starts both programs, waits until each has finished starting, measures their CPU time over
// `seconds` and prints it per idle minute with the goal: at most 50 ms a minute more than the
// baseline. Returns 0, or 1 when a program did not start or end.
int RunIdleBench(const char* utilityExe, const char* baselineExe, const char* description,
                 int seconds);
