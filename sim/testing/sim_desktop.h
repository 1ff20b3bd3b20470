// Test support: a simulated desktop loaded from one of the shipped descriptions of
// sim/monitors/, with the device-control object that page models and the main window's model
// work through.
#pragma once

#include "sim/sim_system.h"
#include "utility/monitor/device_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SimDesktop {
  public:
    // `file` names a description of sim/monitors/, for example "typical.txt".
    explicit SimDesktop(const std::string& file) {
        std::string error;
        loaded = LoadSimDescriptionFile(std::string(DIMORA_SIM_MONITORS "/") + file, system, error);
        EXPECT_TRUE(loaded) << file << ": " << error;
    }

    // The bus trace since the last call, one formatted line per event, and the trace emptied.
    std::vector<std::string> Take() { return system.trace.TakeFormatted(); }

    bool loaded = false;
    SimSystem system;
    DeviceCtrl ctrl{system.Ports()};
};
