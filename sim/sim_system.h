// Everything a simulated machine offers the monitor layer: clock, bus, process table, desktop,
// monitor-information library and trace.
#pragma once

#include "sim/sim_bus.h"
#include "sim/sim_clock.h"
#include "sim/sim_display.h"
#include "sim/sim_processes.h"

#include <iosfwd>
#include <string>

struct SimSystem {
    SimTrace trace;
    SimClock clock{trace};
    SimBus bus{trace};
    SimProcesses processes;
    SimDisplay display{bus};

    MonitorPorts Ports() { return MonitorPorts{bus, clock, processes, display, display}; }
};

// Reads a monitor description (format in sim/README.md) into `system`. On failure `error` names
// the line and what is wrong with it.
bool LoadSimDescription(std::istream& in, SimSystem& system, std::string& error);
bool LoadSimDescriptionFile(const std::string& path, SimSystem& system, std::string& error);
