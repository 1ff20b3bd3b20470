// The timers of one window, as models start and stop them.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "utility/ui/timer_port.h"

class WindowTimers : public TimerPort {
  public:
    void SetWindow(HWND window) { m_window = window; }

    bool SetTimer(unsigned id, std::uint32_t periodMs) override {
        return ::SetTimer(m_window, id, periodMs, nullptr) != 0;
    }
    void KillTimer(unsigned id) override { ::KillTimer(m_window, id); }

  private:
    HWND m_window = nullptr;
};
