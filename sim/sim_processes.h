// A process table for the owner-register checks: this program plus whatever else the description
// says is running.
#pragma once

#include "utility/monitor/ports.h"

#include <vector>

class SimProcesses : public ProcessPort {
  public:
    std::uint32_t CurrentProcessId() override { return self.id; }
    bool Snapshot(std::vector<ProcessInfo>& processes) override {
        if (snapshotFails)
            return false;
        processes = others;
        processes.push_back(self);
        return true;
    }

    ProcessInfo self{0x1F40, "DimoraDdcci.exe"};
    std::vector<ProcessInfo> others;
    bool snapshotFails = false; // the system gives no process table
};
