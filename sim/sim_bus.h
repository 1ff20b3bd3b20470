// The simulated DDC/CI bus: a set of simulated monitors, each behind its own physical handle,
// with every transaction recorded in the trace.
#pragma once

#include "sim/sim_monitor.h"
#include "sim/sim_trace.h"
#include "utility/monitor/ports.h"

#include <functional>
#include <memory>
#include <vector>

class SimBus : public DdcPort {
  public:
    // `spend` passes the time each transaction takes: onto the virtual clock in-process, into a
    // real sleep in the Windows DLLs, as a driver's wait would.
    using Spender = std::function<void(std::uint32_t ms)>;
    SimBus(SimTrace& trace, Spender spend) : m_trace(trace), m_spend(std::move(spend)) {}
    void SetSpender(Spender spend) { m_spend = std::move(spend); }

    int Add(SimMonitorConfig config);
    std::size_t Count() const { return m_monitors.size(); }
    SimMonitor& Monitor(int index) { return *m_monitors[static_cast<std::size_t>(index)]; }
    // Handles are small non-null values, one per monitor.
    static PhysicalHandle HandleOf(int index);
    // The monitor behind a handle, or -1.
    int IndexOf(PhysicalHandle handle) const;

    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override;
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override;
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override;
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override;

  private:
    // Spends the transaction's time and records it.
    bool Record(SimEvent event, int index);

    SimTrace& m_trace;
    Spender m_spend;
    std::vector<std::unique_ptr<SimMonitor>> m_monitors;
};
