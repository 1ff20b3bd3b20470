// Everything a simulated machine offers the monitor layer: clock, bus, process table, desktop,
// monitor-information library and trace.
#pragma once

#include "sim/sim_bus.h"
#include "sim/sim_clock.h"
#include "sim/sim_display.h"
#include "sim/sim_processes.h"
#include "utility/text/code_page.h"

#include <iosfwd>
#include <string>

// The simulated machine's system code page: single-byte unless a test makes it Japanese (932).
class SimCodePage : public CodePage {
  public:
    bool IsLeadByte(unsigned char b) const override {
        return japanese && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
    }
    bool japanese = false;
};

struct SimSystem {
    SimTrace trace;
    SimClock clock{trace};
    SimBus bus{trace, [this](std::uint32_t ms) { clock.Spend(ms); }};
    SimProcesses processes;
    SimDisplay display{bus};
    SimCodePage codePage;

    MonitorPorts Ports() { return MonitorPorts{bus, clock, processes, display, display, codePage}; }
};

// Reads a monitor description (format in sim/README.md) into `system`. On failure `error` names
// the line and what is wrong with it.
bool LoadSimDescription(std::istream& in, SimSystem& system, std::string& error);
bool LoadSimDescriptionFile(const std::string& path, SimSystem& system, std::string& error);
