// What the simulated system DLLs share: the simulated monitors, loaded once per process from the
// description file named by DIMORA_SIM_MONITORS, and the real desktop they are mapped onto.
#pragma once

#include "sim/sim_system.h"

#include "utility/monitor/win/windows_win.h"

#include <optional>
#include <string>

// The simulation of this process. Loaded on first use, so a program may still set the variable
// before its first monitor call; without a readable description it holds no monitors.
SimSystem& Simulation();

// Rewrites the file named by DIMORA_SIM_DUMP (if set) with the state of every monitor.
void WriteDump();

// The device name of a real desktop monitor (for example \\.\DISPLAY1), or nothing.
std::optional<std::string> DeviceOf(HMONITOR monitor);

// The real desktop monitor showing a display device, with its rectangle and flags.
std::optional<MONITORINFOEXA> DesktopMonitorOf(const std::string& device);
