// Putting monitors into the mode or the adjustment data the Auto Veltone table names: the picture
// mode on one monitor or all, and adjustment data on one monitor, respecting the per-screen
// switch.
#pragma once

#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/pages/adjustment_record.h"
#include "utility/pages/foreground_port.h"

class AutoApplier {
  public:
    AutoApplier(DeviceCtrl& ctrl, CMonitorStatusAll& monitors, ForegroundPort& windows)
        : m_ctrl(ctrl), m_monitors(monitors), m_windows(windows) {}

    // Picture mode `mode` (0 ... 36) on every monitor, or only on the one that shows `window`.
    // A monitor is written only when it reads another mode and offers this one; it then keeps
    // the mode as its last automatic mode. Answers whether a monitor was written (one monitor)
    // or true (all monitors).
    bool ApplyMode(std::int32_t mode, WindowHandle window, bool allMonitors);
    // Adjustment data on `monitor`; with `independent`, only when it shows `window`.
    void ApplyRecordAuto(const AdjustmentRecord& record, CMonitorStatus& monitor,
                         WindowHandle window, bool independent);
    // Adjustment data on every monitor of the record's model.
    void ApplyRecordToModel(const AdjustmentRecord& record, WindowHandle window, bool independent);

  private:
    bool ApplyModeTo(CMonitorStatus& monitor, std::int32_t mode);

    DeviceCtrl& m_ctrl;
    CMonitorStatusAll& m_monitors;
    ForegroundPort& m_windows;
};
