// The program-wide list of controllable monitors and the choice of the current one, and its
// rebuild from a fresh enumeration.
#pragma once

#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_status.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The monitor that stands for "no monitor": it has no physical handle.
const CMonitorStatus& NullMonitor();

class CMonitorStatusAll {
  public:
    CMonitorStatusAll() = default;
    CMonitorStatusAll(const CMonitorStatusAll&) = delete;
    CMonitorStatusAll& operator=(const CMonitorStatusAll&) = delete;
    virtual ~CMonitorStatusAll() = default;

    // The current monitor, or the null monitor (no handle: every operation on it fails at once,
    // without a transaction) when the list is empty or none is chosen.
    const CMonitorStatus& Current() const;
    // A current monitor exists: its handle reference is set.
    bool HasCurrent() const { return currentHandle != nullptr; }
    // Ignored when `index` is out of range.
    void SelectByIndex(int index);
    // The monitor with the smallest display number below 65,535 (the first wins a tie).
    void SelectFirst();
    void Clear();

    std::vector<std::unique_ptr<CMonitorStatus>> monitors;
    std::int32_t currentIndex = -1;
    PhysicalHandle* currentHandle = nullptr;
    std::int32_t adjustmentBusy = 0; // set while the colour adjustment dialog works
};

// The monitor's display device name is exactly `name` (a byte comparison, case counts).
bool MonitorHasDeviceName(const std::string& name, const CMonitorStatus& monitor);
// Some monitor of the list has a display device name equal to both names.
bool AnyMonitorHasDeviceNames(const CMonitorStatusAll& all, const std::string& nameA,
                              const std::string& nameB);

// Builds the state of one supported entry while holding its owner register, and appends it
// unless it is unreadable or already listed (same display number and device name).
bool BuildMonitorState(DeviceCtrl& ctrl, MonitorEntry& entry, CMonitorStatusAll& all);

// Empties the list, enumerates, builds a state for every supported entry and selects the first
// monitor. Returns true when the monitor count or any of the first ten identity keys changed.
bool RebuildMonitorList(DeviceCtrl& ctrl, CMonitorStatusAll& all);
