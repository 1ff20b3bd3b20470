// The register state of every simulated monitor as text, so that a test running the simulator in
// another process can check what reached the monitors.
#pragma once

#include "sim/sim_bus.h"

#include <iosfwd>

// One block per monitor:
//   monitor INDEX NAME
//   device NAME
//   owner VALUE            owner register (decimal)
//   page PAGE              page register (hexadecimal)
//   mode VALUE             picture mode (page 30 code e2), when the monitor has it
//   vcp CODE VALUE         every standard register
//   vendor PAGE CODE VALUE every vendor register
//   store VALUE            every store command received, oldest first
// Codes and pages are hexadecimal as in the description files, values decimal.
void WriteSimDump(std::ostream& out, SimBus& bus);
