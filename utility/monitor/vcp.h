// The two low-level transactions: one platform call each, followed by the monitor's fixed pause.
#pragma once

#include "utility/monitor/ports.h"

// Zeroes both outputs, reads the feature and pauses `pauseMs` whether or not the read worked.
// A null handle or output returns false without any transaction.
bool GetVcp(const MonitorPorts& ports, PhysicalHandle handle, std::uint8_t code,
            std::uint32_t* current, std::uint32_t* maximum, std::uint32_t pauseMs);

// Writes the feature and pauses `pauseMs`. A null handle returns false without any transaction.
bool SetVcp(const MonitorPorts& ports, PhysicalHandle handle, std::uint8_t code,
            std::uint32_t value, std::uint32_t pauseMs);
