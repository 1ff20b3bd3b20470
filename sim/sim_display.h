// The simulated desktop: monitors of the description grouped into desktop monitors by device
// name (two physical monitors behind one desktop monitor share a name), and the maker's
// monitor-information library reporting those marked "maker yes".
#pragma once

#include "sim/sim_bus.h"
#include "utility/monitor/ports.h"

#include <vector>

class SimDisplay : public DisplayPort, public PanqPort {
  public:
    explicit SimDisplay(SimBus& bus) : m_bus(bus) {}

    bool EnumDisplayMonitors(std::vector<DesktopMonitor>& monitors) override;
    bool GetMonitorInfo(DesktopMonitor monitor, DesktopMonitorInfo& info) override;
    bool GetNumberOfPhysicalMonitors(DesktopMonitor monitor, std::uint32_t& count) override;
    bool GetPhysicalMonitors(DesktopMonitor monitor, std::uint32_t count,
                             std::vector<PhysicalMonitorInfo>& physical) override;
    bool DestroyPhysicalMonitors(const std::vector<PhysicalHandle>& handles) override;

    int PnqFindMonitors(int* count, int option) override;
    int PnqGetMonitorInfo(int index, std::uint8_t* record, int option) override;

    // Physical-monitor handles handed out and not yet destroyed.
    int OpenHandles() const { return m_open; }

  private:
    // Indices of the bus monitors behind each desktop monitor, in description order.
    std::vector<std::vector<int>> Groups() const;
    int GroupOf(DesktopMonitor monitor) const;

    SimBus& m_bus;
    int m_open = 0;
};
