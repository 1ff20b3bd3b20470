// The timers of one window (SetTimer and KillTimer with the program's fixed timer ids). Models
// start and stop their timers through it; the window hands each expiry back to its model.
#pragma once

#include <cstdint>

class TimerPort {
  public:
    virtual ~TimerPort() = default;
    // Starts or restarts timer `id` with `periodMs`; false when the system refused.
    virtual bool SetTimer(unsigned id, std::uint32_t periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
};
