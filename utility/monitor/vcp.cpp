#include "utility/monitor/vcp.h"

bool GetVcp(const MonitorPorts& ports, PhysicalHandle handle, std::uint8_t code,
            std::uint32_t* current, std::uint32_t* maximum, std::uint32_t pauseMs) {
    if (current)
        *current = 0;
    if (maximum)
        *maximum = 0;
    if (!handle || !current || !maximum)
        return false;
    const bool ok = ports.ddc.GetVcpFeature(handle, code, *current, *maximum);
    ports.clock.Sleep(pauseMs);
    return ok;
}

bool SetVcp(const MonitorPorts& ports, PhysicalHandle handle, std::uint8_t code,
            std::uint32_t value, std::uint32_t pauseMs) {
    if (!handle)
        return false;
    const bool ok = ports.ddc.SetVcpFeature(handle, code, value);
    ports.clock.Sleep(pauseMs);
    return ok;
}
