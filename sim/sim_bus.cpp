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

bool SimBus::GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                           std::uint32_t& maximum) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Read(code, current, maximum);
    m_trace.Add({SimEvent::Kind::Get, index, code, 0, current, maximum, ok});
    return ok;
}

bool SimBus::SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Write(code, value);
    m_trace.Add({SimEvent::Kind::Set, index, code, value, 0, 0, ok});
    return ok;
}

bool SimBus::GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).CapabilitiesLength(length);
    m_trace.Add({SimEvent::Kind::Caps, index, 0, 0, 0, 0, ok});
    return ok;
}

bool SimBus::CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                         std::uint32_t length) {
    const int index = IndexOf(handle);
    const bool ok = index >= 0 && Monitor(index).Capabilities(buffer, length);
    m_trace.Add({SimEvent::Kind::Caps, index, 0, length, 0, 0, ok});
    return ok;
}
