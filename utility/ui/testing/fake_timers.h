// Test support: a window's timers as a table of the running ones and their periods.
#pragma once

#include "utility/ui/timer_port.h"

#include <cstdint>
#include <map>

class FakeTimers : public TimerPort {
  public:
    bool SetTimer(unsigned id, std::uint32_t periodMs) override {
        running[id] = periodMs;
        ++starts[id];
        return true;
    }
    void KillTimer(unsigned id) override { running.erase(id); }

    bool Runs(unsigned id) const { return running.count(id) != 0; }

    std::map<unsigned, std::uint32_t> running; // id -> period in ms
    std::map<unsigned, int> starts;            // id -> how often it was started
};
