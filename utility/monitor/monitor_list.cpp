#include "utility/monitor/monitor_list.h"

#include "utility/monitor/monitor_identity.h"

#include <string>

namespace {
constexpr std::int32_t kNoDisplayNumber = 65535;
constexpr std::size_t kComparedKeys = 10;
} // namespace

const CMonitorStatus& NullMonitor() {
    static const CMonitorStatus none;
    return none;
}

const CMonitorStatus& CMonitorStatusAll::Current() const {
    if (currentIndex < 0 || static_cast<std::size_t>(currentIndex) >= monitors.size())
        return NullMonitor();
    return *monitors[static_cast<std::size_t>(currentIndex)];
}

void CMonitorStatusAll::SelectByIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= monitors.size())
        return;
    currentIndex = index;
    currentHandle = monitors[static_cast<std::size_t>(index)]->physicalHandle;
}

void CMonitorStatusAll::SelectFirst() {
    std::int32_t best = kNoDisplayNumber;
    int chosen = -1;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i]->displayNumber < best) {
            best = monitors[i]->displayNumber;
            chosen = static_cast<int>(i);
        }
    }
    if (chosen >= 0) {
        SelectByIndex(chosen);
        return;
    }
    // No monitor qualifies: none is current, rather than one chosen before.
    currentIndex = -1;
    currentHandle = nullptr;
}

void CMonitorStatusAll::Clear() {
    monitors.clear();
    currentIndex = -1;
    currentHandle = nullptr;
}

bool MonitorHasDeviceName(const std::string& name, const CMonitorStatus& monitor) {
    return monitor.deviceName == name;
}

bool AnyMonitorHasDeviceNames(const CMonitorStatusAll& all, const std::string& nameA,
                              const std::string& nameB) {
    for (const auto& monitor : all.monitors) {
        if (monitor->deviceName == nameB && monitor->deviceName == nameA)
            return true;
    }
    return false;
}

bool BuildMonitorState(DeviceCtrl& ctrl, MonitorEntry& entry, CMonitorStatusAll& all) {
    auto state = std::make_unique<CMonitorStatus>();
    state->monitor = entry.monitor;
    state->physicalHandle = &entry.physicalHandle;
    state->capabilityCodes = entry.capabilityCodes;
    state->vendorPages = entry.vendorPages;
    state->deviceName = entry.monitorInfo.device;
    state->displayNumber = entry.displayNumber;
    state->displayLabel = entry.displayLabel;
    state->desktop = entry.monitorInfo.monitor;

    ctrl.TakeOwnership(state->Handle(), Retry::Yes);
    bool keep = ReadSerialNumber(ctrl, *state, PageSelect::Write) &&
                ReadModelName(ctrl, *state, PageSelect::Skip);
    if (keep) {
        state->identityKey = state->serialNumber + state->modelName;
        keep = ParseMonitorInformation(ctrl, *state, PageSelect::Skip);
    }
    if (keep) {
        for (const auto& other : all.monitors) {
            if (other->displayNumber == state->displayNumber &&
                other->deviceName == state->deviceName)
                keep = false;
        }
    }
    if (keep)
        all.monitors.push_back(std::move(state));
    ctrl.ReleaseOwnership(entry.physicalHandle);
    return keep;
}

bool RebuildMonitorList(DeviceCtrl& ctrl, CMonitorStatusAll& all) {
    std::vector<std::string> before;
    for (std::size_t i = 0; i < all.monitors.size() && i < kComparedKeys; ++i)
        before.push_back(all.monitors[i]->identityKey);
    const std::size_t countBefore = all.monitors.size();

    all.Clear();
    all.adjustmentBusy = 0;
    if (ctrl.Enumerate()) {
        for (std::size_t i = 0; i < ctrl.EntryCount(); ++i) {
            if (ctrl.Entry(i).supported)
                BuildMonitorState(ctrl, ctrl.Entry(i), all);
        }
    }
    bool changed = all.monitors.size() != countBefore;
    for (std::size_t i = 0; !changed && i < before.size(); ++i)
        changed = all.monitors[i]->identityKey != before[i];
    all.SelectFirst();
    return changed;
}
