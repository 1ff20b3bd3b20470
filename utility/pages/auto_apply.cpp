#include "utility/pages/auto_apply.h"

#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/app_mode_table.h"

bool AutoApplier::ApplyMode(std::int32_t mode, WindowHandle window, bool allMonitors) {
    if (!IsPictureMode(mode))
        return false;
    if (allMonitors) {
        // Each monitor itself, not the first monitor of its display: two monitors behind one
        // display device (a cloned display) both switch.
        for (auto& monitor : m_monitors.monitors)
            ApplyModeTo(*monitor, mode);
        return true;
    }
    const std::string device = m_windows.DisplayDeviceName(window);
    for (auto& monitor : m_monitors.monitors) {
        if (MonitorHasDeviceName(device, *monitor))
            return ApplyModeTo(*monitor, mode);
    }
    return false;
}

bool AutoApplier::ApplyModeTo(CMonitorStatus& monitor, std::int32_t mode) {
    bool written = false;
    m_ctrl.TakeOwnership(monitor.Handle(), Retry::Yes);
    std::uint32_t present = 0;
    std::uint32_t maximum = 0;
    const bool offered = (monitor.information.pictureModeMask >> mode) & 1;
    if (m_ctrl.ReadFeature(monitor, kColorPage, kModeCode, &present, &maximum, PageSelect::Write,
                           Retry::Yes) &&
        present != static_cast<std::uint32_t>(mode) && offered &&
        m_ctrl.WritePictureMode(monitor, static_cast<std::uint32_t>(mode), PageSelect::Skip)) {
        monitor.lastAutoMode = mode;
        written = true;
    }
    m_ctrl.ReleaseOwnership(monitor.Handle());
    return written;
}

void AutoApplier::ApplyRecordAuto(const AdjustmentRecord& record, CMonitorStatus& monitor,
                                  WindowHandle window, bool independent) {
    if (independent && !MonitorHasDeviceName(m_windows.DisplayDeviceName(window), monitor))
        return;
    m_ctrl.TakeOwnership(monitor.Handle(), Retry::Yes);
    if (m_ctrl.IsAdjustmentPermitted(monitor)) {
        m_windows.WaitCursor(true);
        ApplyRecord(m_ctrl, monitor, record);
        m_ctrl.WriteFeature(monitor, kCommandPage, kStoreCode, kStoreColor, PageSelect::Write);
        m_windows.WaitCursor(false);
    }
    m_ctrl.ReleaseOwnership(monitor.Handle());
    monitor.lastAutoMode = kAdjustmentDataMode;
}

void AutoApplier::ApplyRecordToModel(const AdjustmentRecord& record, WindowHandle window,
                                     bool independent) {
    for (auto& monitor : m_monitors.monitors) {
        if (RecordFitsModel(record, *monitor))
            ApplyRecordAuto(record, *monitor, window, independent);
    }
}
