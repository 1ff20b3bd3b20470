// The soak: the real utility driven on the simulated monitors through a bounded number of rounds
// of user actions and system events, its GDI objects, USER objects, handles and private bytes
// sampled every 100 actions, and a table of them with the verdict: after a warm-up no counter
// grows.
#pragma once

#include <cstddef>

// Registers two applications for Auto Veltone (`appExe`, started here, and this driver), starts
// the utility beside the simulated DLLs on the monitors of `description`, runs `actions` actions
// (rounded up to whole hundreds), ends the utility through Exit and prints the table and the
// verdict. Returns 0 when every counter met its goal, 1 when one did not or an action failed,
// 2 when a program did not start.
int RunSoak(const char* utilityExe, const char* appExe, const char* description,
            std::size_t actions);
