// A virtual clock: sleeping advances it at once, so tests and benchmarks never wait for real.
#pragma once

#include "sim/sim_trace.h"
#include "utility/monitor/ports.h"

class SimClock : public ClockPort {
  public:
    explicit SimClock(SimTrace& trace) : m_trace(trace) {}
    void Sleep(std::uint32_t ms) override {
        m_now += ms;
        m_trace.Add({SimEvent::Kind::Sleep, -1, 0, ms, 0, 0, true});
    }
    // Time a transaction takes on the wire: the clock moves on, and no pause is recorded.
    void Spend(std::uint32_t ms) {
        m_now += ms;
        m_spent += ms;
    }
    // The part of Now() that transactions spent; the rest is pauses.
    std::uint64_t SpentMs() const { return m_spent; }
    std::uint32_t TickCount() override { return static_cast<std::uint32_t>(m_now); }
    std::uint64_t Now() const { return m_now; }

  private:
    SimTrace& m_trace;
    std::uint64_t m_now = 0;
    std::uint64_t m_spent = 0;
};
