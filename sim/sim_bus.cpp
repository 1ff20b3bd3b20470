#include "sim/sim_bus.h"

#include <cstdint>

namespace {
constexpr std::uintptr_t kHandleBase = 0x5100;
}

int SimBus::Add(SimMonitorConfig config) {
    m_monitors.push_back(std::make_unique<SimMonitor>(std::move(config)));
    return static_cast<int>(m_monitors.size()) - 1;
}

PhysicalHandle SimBus::HandleOf(int index) {
    return reinterpret_cast<PhysicalHandle>(kHandleBase + static_cast<std::uintptr_t>(index));
}

int SimBus::IndexOf(PhysicalHandle handle) const {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value < kHandleBase || value - kHandleBase >= m_monitors.size())
        return -1;
    return static_cast<int>(value - kHandleBase);
}

bool SimBus::Record(SimEvent event, int index) {
    event.ms = index >= 0 ? Monitor(index).LastMs() : 0;
    if (event.ms > 0 && m_spend)
        m_spend(event.ms);
    m_trace.Add(event);
    return event.ok;
}

bool SimBus::GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                           std::uint32_t& maximum) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Read(code, current, maximum);
    return Record({SimEvent::Kind::Get, index, code, 0, current, maximum, ok}, index);
}

bool SimBus::SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Write(code, value);
    return Record({SimEvent::Kind::Set, index, code, value, 0, 0, ok}, index);
}

bool SimBus::GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).CapabilitiesLength(length);
    return Record({SimEvent::Kind::Caps, index, 0, 0, 0, 0, ok}, index);
}

bool SimBus::CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                         std::uint32_t length) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Capabilities(buffer, length);
    return Record({SimEvent::Kind::Caps, index, 0, length, 0, 0, ok}, index);
}
