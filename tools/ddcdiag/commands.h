// The ddcdiag commands; each reads standard input and writes standard output, returning the
// process exit code.
#pragma once

#include "utility/monitor/ports.h"

#include "utility/monitor/monitor_types.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// A value as the commands take one: decimal digits, or 0x and hexadecimal digits (no sign, no
// octal), at most 0xFFFF.
bool ParseNumber(const std::string& text, unsigned long& out);

int ParseCapsCommand(std::istream& in, std::ostream& out);
int ParseVendorPagesCommand(std::istream& in, std::ostream& out);
int ParseInfoCommand(std::istream& in, std::ostream& out);
int ParseEdidCommand(std::istream& in, std::ostream& out);
// " CC=V" for every entry of the map in map order (V "*" for a code listed without values), and
// " PPPP.CC=V" for the vendor page map.
std::string CodesText(const CapabilityCodes& codes);
std::string PagesText(const VendorPageMap& pages);
// Enumerates through `ports` and prints every entry and every monitor state; exit code 1 when no
// monitor can be controlled.
int ListMonitors(const MonitorPorts& ports, std::ostream& out);
// Enumerates the real monitors (Windows); elsewhere explains that it cannot.
int ListRealMonitors(std::ostream& out, std::ostream& err);
// Runs `run` over the real monitors' ports (Windows); elsewhere explains that it cannot (2).
int WithRealPorts(const std::function<int(const MonitorPorts&)>& run, std::ostream& err);
int ListSimulatedCommand(const std::string& simFile, std::ostream& out, std::ostream& err);
int RunCommand(const std::string& simFile, std::istream& in, std::ostream& out, std::ostream& err);

// caps [--monitor LABEL] [--sim FILE]; get, set and vendor (enumeration as `list` does, then one
// operation inside the ownership bracket). -1 when the arguments do not fit.
int CapsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
enum class AccessKind { Get, Set, Vendor };
int AccessCommand(AccessKind kind, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err);

// report [--sim FILE]: everything a support request needs, as one text. -1 when the arguments do
// not fit.
int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
