// The EyeCare reminder's cycle on the main window's timers: the stored settings, the reminder
// interval and the screen-saver watch, and what suspend, resume and the end of the session do
// to them.
#pragma once

#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry.h"
#include "utility/shell/string_table.h"
#include "utility/shell/timer_port.h"

#include <cstdint>
#include <string>

struct ReminderSettings {
    std::string displayName; // the stored monitor
    std::string model;
    std::string serial;
    bool on = false;
    int hours = 1; // 1 ... 24
    std::string message;
};

class ReminderCycle {
  public:
    ReminderCycle(TimerPort& timers, RegistryPort& registry, const CMonitorStatusAll& monitors,
                  const StringTable& strings);

    // Reads the stored reminder: "On" missing is off, "Hour" 0 or missing is 1 and above 24 is
    // 24, a missing message is the standard one.
    void LoadSettings();
    // At start-up: the settings, then, when on and the stored monitor is attached, the interval
    // and the screen-saver watch.
    void Start();
    // The machine suspends: the interval stops.
    void Suspend();
    // The machine resumed: the interval starts afresh and is no longer paused.
    void Resume();
    // The session ends or the window goes: the interval and the screen-saver watch stop.
    void StopTimers();

    const ReminderSettings& Settings() const { return m_settings; }
    bool IntervalRuns() const { return m_reminderTimer; }
    bool Paused() const { return m_reminderPaused; }

  private:
    void StartInterval();
    bool StoredMonitorAttached() const;

    TimerPort& m_timers;
    CRegistry m_registry;
    const CMonitorStatusAll& m_monitors;
    const StringTable& m_strings;
    ReminderSettings m_settings;
    bool m_reminderTimer = false;
    bool m_screenSaverTimer = false;
    bool m_reminderPaused = false;
};
