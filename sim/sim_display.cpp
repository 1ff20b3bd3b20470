#include "sim/sim_display.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr std::uintptr_t kMonitorBase = 0x7100;
constexpr std::uint32_t kPrimaryMonitor = 1; // MONITORINFOF_PRIMARY
} // namespace

std::vector<std::vector<int>> SimDisplay::Groups() const {
    std::vector<std::vector<int>> groups;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_bus.Count(); ++i) {
        if (!m_bus.Monitor(static_cast<int>(i)).Plugged())
            continue;
        const auto& device = m_bus.Monitor(static_cast<int>(i)).Config().device;
        std::size_t g = 0;
        while (g < names.size() && names[g] != device)
            ++g;
        if (g == names.size()) {
            names.push_back(device);
            groups.emplace_back();
        }
        groups[g].push_back(static_cast<int>(i));
    }
    return groups;
}

int SimDisplay::GroupOf(DesktopMonitor monitor) const {
    const auto value = reinterpret_cast<std::uintptr_t>(monitor);
    const auto groups = Groups();
    if (value < kMonitorBase || value - kMonitorBase >= groups.size())
        return -1;
    return static_cast<int>(value - kMonitorBase);
}

bool SimDisplay::EnumDisplayMonitors(std::vector<DesktopMonitor>& monitors) {
    monitors.clear();
    const auto groups = Groups();
    for (std::size_t g = 0; g < groups.size(); ++g)
        monitors.push_back(reinterpret_cast<DesktopMonitor>(kMonitorBase + g));
    return true;
}

bool SimDisplay::GetMonitorInfo(DesktopMonitor monitor, DesktopMonitorInfo& info) {
    const int g = GroupOf(monitor);
    if (g < 0)
        return false;
    const auto& config = m_bus.Monitor(Groups()[static_cast<std::size_t>(g)].front()).Config();
    info.monitor = {config.desktop[0], config.desktop[1], config.desktop[2], config.desktop[3]};
    info.work = info.monitor;
    info.work.bottom -= 40; // a taskbar
    info.flags = g == 0 ? kPrimaryMonitor : 0;
    info.device = config.device;
    return true;
}

bool SimDisplay::GetNumberOfPhysicalMonitors(DesktopMonitor monitor, std::uint32_t& count) {
    const int g = GroupOf(monitor);
    if (g < 0)
        return false;
    count = static_cast<std::uint32_t>(Groups()[static_cast<std::size_t>(g)].size());
    return true;
}

bool SimDisplay::GetPhysicalMonitors(DesktopMonitor monitor, std::uint32_t count,
                                     std::vector<PhysicalMonitorInfo>& physical) {
    const int g = GroupOf(monitor);
    if (g < 0)
        return false;
    const auto groups = Groups();
    const auto& group = groups[static_cast<std::size_t>(g)];
    if (count != group.size())
        return false;
    physical.clear();
    for (int index : group)
        physical.push_back({SimBus::HandleOf(index), m_bus.Monitor(index).Config().name});
    m_open += static_cast<int>(group.size());
    return true;
}

bool SimDisplay::DestroyPhysicalMonitors(const std::vector<PhysicalHandle>& handles) {
    m_open -= static_cast<int>(handles.size());
    return true;
}

int SimDisplay::PnqFindMonitors(int* count, int) {
    int found = 0;
    for (std::size_t i = 0; i < m_bus.Count(); ++i) {
        const SimMonitor& monitor = m_bus.Monitor(static_cast<int>(i));
        found += monitor.Plugged() && monitor.Config().makerRecognised;
    }
    if (count)
        *count = found;
    return found;
}

int SimDisplay::PnqGetMonitorInfo(int index, std::uint8_t* record, int) {
    if (!record || index < 0)
        return -1;
    int seen = 0;
    for (std::size_t i = 0; i < m_bus.Count(); ++i) {
        const SimMonitor& monitor = m_bus.Monitor(static_cast<int>(i));
        const auto& config = monitor.Config();
        if (!monitor.Plugged() || !config.makerRecognised || seen++ != index)
            continue;
        std::memset(record, 0, kPnqMonitorInfoSize);
        std::memcpy(record + kPnqDesktopLeftOffset, &config.desktop[0], 4);
        std::memcpy(record + kPnqDesktopTopOffset, &config.desktop[1], 4);
        return 0;
    }
    return -1;
}
