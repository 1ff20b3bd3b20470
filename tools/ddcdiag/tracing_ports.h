// The monitor layer's ports with every transaction and pause written down, so that the device
// commands print the same bus trace on real monitors as on simulated ones.
#pragma once

#include "sim/sim_trace.h"
#include "utility/monitor/ports.h"

class TracingDdcPort : public DdcPort {
  public:
    // With a clock, each event also records how long its call took (a failure that took time
    // is then traced as "... fail after N ms").
    TracingDdcPort(DdcPort& inner, SimTrace& trace, ClockPort* clock = nullptr)
        : m_inner(inner), m_trace(trace), m_clock(clock) {}

    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override {
        const std::uint32_t start = Now();
        const bool ok = m_inner.GetVcpFeature(handle, code, current, maximum);
        return Add({SimEvent::Kind::Get, 0, code, 0, current, maximum, ok}, start);
    }
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override {
        const std::uint32_t start = Now();
        const bool ok = m_inner.SetVcpFeature(handle, code, value);
        return Add({SimEvent::Kind::Set, 0, code, value, 0, 0, ok}, start);
    }
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override {
        const std::uint32_t start = Now();
        const bool ok = m_inner.GetCapabilitiesStringLength(handle, length);
        return Add({SimEvent::Kind::Caps, 0, 0, 0, 0, 0, ok}, start);
    }
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override {
        const std::uint32_t start = Now();
        const bool ok = m_inner.CapabilitiesRequestAndReply(handle, buffer, length);
        return Add({SimEvent::Kind::Caps, 0, 0, length, 0, 0, ok}, start);
    }

  private:
    std::uint32_t Now() { return m_clock ? m_clock->TickCount() : 0; }
    bool Add(SimEvent event, std::uint32_t start) {
        event.ms = Now() - start;
        m_trace.Add(event);
        return event.ok;
    }

    DdcPort& m_inner;
    SimTrace& m_trace;
    ClockPort* m_clock;
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
