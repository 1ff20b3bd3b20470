// The ddcdiag commands; each reads standard input and writes standard output, returning the
// process exit code.
#pragma once

#include "utility/monitor/ports.h"

#include <iosfwd>
#include <string>

int ParseCapsCommand(std::istream& in, std::ostream& out);
int ParseVendorPagesCommand(std::istream& in, std::ostream& out);
int ParseInfoCommand(std::istream& in, std::ostream& out);
// Enumerates through `ports` and prints every entry and every monitor state; exit code 1 when no
// monitor can be controlled.
int ListMonitors(const MonitorPorts& ports, std::ostream& out);
// Enumerates the real monitors (Windows); elsewhere explains that it cannot.
int ListRealMonitors(std::ostream& out, std::ostream& err);
int ListSimulatedCommand(const std::string& simFile, std::ostream& out, std::ostream& err);
int RunCommand(const std::string& simFile, std::istream& in, std::ostream& out, std::ostream& err);
