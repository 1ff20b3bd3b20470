// Test support: a simulated machine built from description text, and a monitor state for its
// first monitor with the maps parsed from what that monitor declares.
#pragma once

#include "sim/sim_system.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/device_ctrl.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

class SimMachine {
  public:
    explicit SimMachine(const std::string& description) {
        std::istringstream in(description);
        std::string error;
        loaded = LoadSimDescription(in, system, error);
        EXPECT_TRUE(loaded) << error;
        if (!loaded)
            return;
        handle = SimBus::HandleOf(0);
        state.physicalHandle = &handle;
        const auto& config = system.bus.Monitor(0).Config();
        ParseCapabilities(config.capabilities, state.capabilityCodes);
        const auto& list = config.slots[0];
        ParseVendorPages(std::string(list.begin(), list.end()), state.vendorPages);
        system.trace.Clear();
    }

    SimMonitor& Monitor() { return system.bus.Monitor(0); }

    // The trace since the last call, one formatted line per event.
    std::vector<std::string> Take() { return system.trace.TakeFormatted(); }

    bool loaded = false;
    SimSystem system;
    PhysicalHandle handle = nullptr;
    CMonitorStatus state;
    DeviceCtrl ctrl{system.Ports()};
};
