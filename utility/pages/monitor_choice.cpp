#include "utility/pages/monitor_choice.h"

namespace {

constexpr std::uint32_t kMonitorStringId = 116;

} // namespace

std::string MonitorName(const CMonitorStatus& monitor, const StringTable& strings) {
    return strings.Load(kMonitorStringId) + monitor.displayLabel;
}

MonitorChoice MonitorSelectorEntries(const CMonitorStatusAll& monitors,
                                     const StringTable& strings) {
    MonitorChoice choice;
    if (!monitors.HasCurrent())
        return choice;
    const std::int32_t current = monitors.Current().displayNumber;
    for (const auto& monitor : monitors.monitors) {
        if (monitor->displayNumber == current && choice.selected < 0)
            choice.selected = static_cast<int>(choice.entries.size());
        choice.entries.push_back(MonitorName(*monitor, strings) + " (" + monitor->modelName + ")");
    }
    return choice;
}
