#include "tools/uidriver/startup_pauses.h"

#include "sim/sim_system.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"

bool MeasureStartupPauses(const std::string& description, StartupPauses& pauses,
                          std::string& error) {
    SimSystem system;
    if (!LoadSimDescriptionFile(description, system, error))
        return false;
    DeviceCtrl ctrl(system.Ports());
    CMonitorStatusAll all;
    system.trace.Clear();
    RebuildMonitorList(ctrl, all);
    pauses.pausedMs = system.trace.PausedMs();
    pauses.callMs = system.trace.CallMs();
    pauses.described = system.bus.Count();
    pauses.controlled = all.monitors.size();
    return true;
}
