// ddcdiag report: the one text file a user attaches to a support request. The monitor part is
// portable (any ports: real or simulated); what only the machine knows comes in `ReportMachine`.
#pragma once

#include "utility/monitor/ports.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class RegistryPort;

struct ReportMachine {
    std::string system;                 // Windows version and architecture, or the simulation
    std::optional<bool> utilityRunning; // unknown on a simulated machine
    std::vector<std::string> devices;   // one line per display device
    std::vector<std::vector<std::uint8_t>> edids; // every monitor EDID the system keeps
    RegistryPort* registry = nullptr;             // the current user's, or none
};

// Writes the report of the machine and of every monitor `ports` enumerate. Bounded: a monitor
// whose channel timed out at discovery gets no further transaction.
void WriteReport(const MonitorPorts& ports, const ReportMachine& machine, std::ostream& out);

// The machine facts of this system (Windows); false elsewhere.
bool ReadReportMachine(ReportMachine& machine);
