// libpanq.dll of the simulator: reports every described monitor marked "maker yes" whose display
// device is on the real desktop, at that device's real desktop position, so that the position
// check against the real desktop passes. Monitors marked "maker no" are never reported.
#define PNQ_BUILDING
#include "libpanq/edid.h"
#include "sim/win/sim_dll_win.h"

#include <cstring>
#include <vector>

namespace {

// The simulated maker monitors, found afresh on every call: the desktop may have changed.
std::vector<PnqMonitorInfo> MakerMonitors() {
    std::vector<PnqMonitorInfo> found;
    SimBus& bus = Simulation().bus;
    const std::uint8_t noEdid[kEdidBlockSize] = {};
    for (std::size_t i = 0; i < bus.Count(); ++i) {
        const SimMonitorConfig& config = bus.Monitor(static_cast<int>(i)).Config();
        if (!config.makerRecognised)
            continue;
        const auto desktop = DesktopMonitorOf(config.device);
        if (!desktop)
            continue;
        EdidIdentity identity;
        identity.manufacturer = kMakerManufacturerId;
        identity.modelName = config.name;
        MonitorPlacement placement;
        placement.left = desktop->rcMonitor.left;
        placement.top = desktop->rcMonitor.top;
        placement.right = desktop->rcMonitor.right;
        placement.bottom = desktop->rcMonitor.bottom;
        placement.primary = (desktop->dwFlags & MONITORINFOF_PRIMARY) != 0;
        placement.deviceName = config.device;
        found.push_back(
            MakeMonitorInfo(static_cast<std::uint32_t>(found.size()), noEdid, identity, placement));
    }
    return found;
}

} // namespace

extern "C" PNQ_API int PNQ_CALL PnqFindMonitors(int* count, int) {
    if (!count)
        return PNQ_E_ARGUMENT;
    *count = static_cast<int>(MakerMonitors().size());
    return PNQ_OK;
}

extern "C" PNQ_API int PNQ_CALL PnqGetMonitorInfo(int index, void* record, int) {
    if (!record || index < 0)
        return PNQ_E_ARGUMENT;
    const auto monitors = MakerMonitors();
    if (static_cast<std::size_t>(index) >= monitors.size())
        return PNQ_E_NO_MONITOR;
    std::memcpy(record, &monitors[static_cast<std::size_t>(index)], sizeof(PnqMonitorInfo));
    return PNQ_OK;
}
