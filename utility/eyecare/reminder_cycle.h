// The EyeCare reminder's cycle on the main window's timers: the stored settings, the reminder
// interval with its balloon, the screen-saver watch that holds the interval while a screen saver
// runs, and what the EyeCare dialog, suspend, resume and the end of the session do to them.
#pragma once

#include "utility/eyecare/reminder_ports.h"
#include "utility/eyecare/reminder_settings.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"
#include "utility/ui/timer_port.h"

struct ReminderDeps {
    TimerPort& timers;
    RegistryPort& registry;
    DeviceCtrl& deviceCtrl;
    const CMonitorStatusAll& monitors;
    const ShellState& shell; // no balloon while the EyeCare dialog runs
    const StringTable& strings;
    BalloonPort& balloon;
    ScreenSaverPort& screenSaver;
};

class ReminderCycle {
  public:
    explicit ReminderCycle(const ReminderDeps& deps);
    ReminderCycle(const ReminderCycle&) = delete;
    ReminderCycle& operator=(const ReminderCycle&) = delete;

    // Reads the stored reminder (ReadReminderSettings).
    void LoadSettings();
    // At start-up: the settings, then, when on and the stored monitor is attached, the interval
    // and the screen-saver watch.
    void Start();
    // After the EyeCare dialog: the settings again. When on, the interval starts afresh if it
    // was off, or its monitor or hours changed, or it did not run; the screen-saver watch runs;
    // nothing is paused. When it went off, both timers stop.
    void ApplyReminderSettings();
    // The interval ended: the balloon, at the stored monitor only, when it can be claimed and
    // adjusted, and never while the EyeCare dialog runs.
    void OnReminderTimer();
    // The balloon's time is up: it goes.
    void OnBalloonTimer();
    // Once a second while on: a screen saver holds the interval; once it ends, the full interval
    // starts afresh.
    void OnScreenSaverWatch();
    // The monitor list was built again: a reminder that is on but never started, because its
    // monitor was absent until now, starts as it would have at start-up.
    void MonitorsRescanned();
    // The machine suspends: the interval stops.
    void Suspend();
    // The machine resumed: the interval starts afresh and is no longer paused.
    void Resume();
    // The session ends or the window goes: the interval and the screen-saver watch stop.
    void StopTimers();

    const ReminderSettings& Settings() const { return m_settings; }
    bool IntervalRuns() const { return m_reminderTimer; }
    bool WatchRuns() const { return m_screenSaverTimer; }
    bool Paused() const { return m_reminderPaused; }
    // The balloon shows until its timer ends it.
    bool BalloonShown() const { return m_balloonTimer; }

  private:
    void StartInterval();
    void StartWatch();
    // The first listed monitor with the stored model name and serial number, or null.
    const CMonitorStatus* StoredMonitor() const;
    void ShowBalloon();

    TimerPort& m_timers;
    CRegistry m_registry;
    DeviceCtrl& m_deviceCtrl;
    const CMonitorStatusAll& m_monitors;
    const ShellState& m_shell;
    const StringTable& m_strings;
    BalloonPort& m_balloon;
    ScreenSaverPort& m_screenSaver;
    ReminderSettings m_settings;
    bool m_reminderTimer = false;
    bool m_balloonTimer = false;
    bool m_screenSaverTimer = false;
    bool m_reminderPaused = false;
};
