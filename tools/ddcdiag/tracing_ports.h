// The monitor layer's ports with every transaction and pause written down, so that the device
// commands print the same bus trace on real monitors as on simulated ones.
#pragma once

#include "sim/sim_trace.h"
#include "utility/monitor/ports.h"

class TracingDdcPort : public DdcPort {
  public:
    TracingDdcPort(DdcPort& inner, SimTrace& trace) : m_inner(inner), m_trace(trace) {}

    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override {
        const bool ok = m_inner.GetVcpFeature(handle, code, current, maximum);
        m_trace.Add({SimEvent::Kind::Get, 0, code, 0, current, maximum, ok});
        return ok;
    }
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override {
        const bool ok = m_inner.SetVcpFeature(handle, code, value);
        m_trace.Add({SimEvent::Kind::Set, 0, code, value, 0, 0, ok});
        return ok;
    }
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override {
        const bool ok = m_inner.GetCapabilitiesStringLength(handle, length);
        m_trace.Add({SimEvent::Kind::Caps, 0, 0, 0, 0, 0, ok});
        return ok;
    }
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override {
        const bool ok = m_inner.CapabilitiesRequestAndReply(handle, buffer, length);
        m_trace.Add({SimEvent::Kind::Caps, 0, 0, length, 0, 0, ok});
        return ok;
    }

  private:
    DdcPort& m_inner;
    SimTrace& m_trace;
};

class TracingClock : public ClockPort {
  public:
    TracingClock(ClockPort& inner, SimTrace& trace) : m_inner(inner), m_trace(trace) {}

    void Sleep(std::uint32_t ms) override {
        m_trace.Add({SimEvent::Kind::Sleep, -1, 0, ms, 0, 0, true});
        m_inner.Sleep(ms);
    }
    std::uint32_t TickCount() override { return m_inner.TickCount(); }

  private:
    ClockPort& m_inner;
    SimTrace& m_trace;
};
