// The way pages and dialogs reach a monitor: the device-control operations on whichever monitor
// the program's list makes current. Without a current monitor every operation fails at once,
// with no transaction, so callers never test for a monitor themselves.
#pragma once

#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"

#include <array>
#include <cstdint>

class CurrentMonitor {
  public:
    CurrentMonitor(DeviceCtrl& ctrl, CMonitorStatusAll& monitors)
        : m_ctrl(ctrl), m_monitors(monitors) {}
    CurrentMonitor(const CurrentMonitor&) = delete;
    CurrentMonitor& operator=(const CurrentMonitor&) = delete;

    bool Exists() const { return m_monitors.HasCurrent(); }
    // The current monitor's state; the null monitor when there is none.
    const CMonitorStatus& Status() const { return m_monitors.Current(); }

    bool TakeOwnership(Retry retry) { return m_ctrl.TakeOwnership(Status().Handle(), retry); }
    bool ReleaseOwnership() { return m_ctrl.ReleaseOwnership(Status().Handle()); }
    bool IsAdjustmentPermitted() { return m_ctrl.IsAdjustmentPermitted(Status()); }

    bool ReadFeature(std::uint16_t page, std::uint8_t code, std::uint32_t* current,
                     std::uint32_t* maximum, PageSelect pageSelect, Retry retry) {
        return m_ctrl.ReadFeature(Status(), page, code, current, maximum, pageSelect, retry);
    }
    bool WriteFeature(std::uint16_t page, std::uint8_t code, std::uint32_t value,
                      PageSelect pageSelect) {
        return m_ctrl.WriteFeature(Status(), page, code, value, pageSelect);
    }
    bool ReadFeatureGroup(std::array<std::uint32_t, 4>& values, PageSelect pageSelect) {
        return m_ctrl.ReadFeatureGroup(Status(), values, pageSelect);
    }
    bool WriteFeatureGroup(const std::array<std::uint32_t, 4>& values, PageSelect pageSelect) {
        return m_ctrl.WriteFeatureGroup(Status(), values, pageSelect);
    }

    // The device-control object, for the monitor layer's procedures that take a monitor state
    // (always with Status(): the work stays on the current monitor).
    DeviceCtrl& Device() const { return m_ctrl; }

    // The monitor's fixed waits (a page waits for a monitor to settle after switching to it).
    void Wait(std::uint32_t ms) { m_ctrl.Ports().clock.Sleep(ms); }

  private:
    DeviceCtrl& m_ctrl;
    CMonitorStatusAll& m_monitors;
};
