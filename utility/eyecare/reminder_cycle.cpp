#include "utility/eyecare/reminder_cycle.h"

#include "utility/ui/user_messages.h"

namespace {

constexpr std::uint32_t kHourMs = 3'600'000;
constexpr std::uint32_t kScreenSaverWatchMs = 1000;
constexpr std::uint32_t kBalloonMs = 10'000;
constexpr std::uint32_t kBalloonTitleId = 231;

} // namespace

ReminderCycle::ReminderCycle(const ReminderDeps& deps)
    : m_timers(deps.timers), m_registry(deps.registry), m_deviceCtrl(deps.deviceCtrl),
      m_monitors(deps.monitors), m_shell(deps.shell), m_strings(deps.strings),
      m_balloon(deps.balloon), m_screenSaver(deps.screenSaver) {}

void ReminderCycle::LoadSettings() {
    m_settings = ReadReminderSettings(m_registry, m_strings);
}

const CMonitorStatus* ReminderCycle::StoredMonitor() const {
    for (const auto& monitor : m_monitors.monitors) {
        if (monitor->modelName == m_settings.model && monitor->serialNumber == m_settings.serial)
            return monitor.get();
    }
    return nullptr;
}

void ReminderCycle::StartInterval() {
    m_reminderTimer =
        m_timers.SetTimer(TIMER_REMINDER, static_cast<std::uint32_t>(m_settings.hours) * kHourMs);
    m_reminderPaused = false;
}

void ReminderCycle::StartWatch() {
    m_screenSaverTimer = m_timers.SetTimer(TIMER_SCREENSAVER_WATCH, kScreenSaverWatchMs);
}

void ReminderCycle::Start() {
    LoadSettings();
    if (!m_settings.on || !StoredMonitor())
        return;
    StartInterval();
    StartWatch();
}

void ReminderCycle::MonitorsRescanned() {
    if (!m_settings.on || m_reminderTimer || m_screenSaverTimer || !StoredMonitor())
        return;
    StartInterval();
    StartWatch();
}

void ReminderCycle::ApplyReminderSettings() {
    const ReminderSettings before = m_settings;
    LoadSettings();
    if (m_settings.on) {
        const bool changed = before.model != m_settings.model ||
                             before.serial != m_settings.serial || before.hours != m_settings.hours;
        // A reminder that was on but never started (its monitor was absent at start-up), or is
        // held by the screen saver, runs again from now.
        if (!before.on || changed || !m_reminderTimer)
            StartInterval();
        if (!m_screenSaverTimer)
            StartWatch();
        m_reminderPaused = false;
    } else if (before.on) {
        StopTimers();
        m_reminderPaused = false;
    }
}

void ReminderCycle::OnReminderTimer() {
    if (m_shell.m_eyeCareOpen)
        return;
    const CMonitorStatus* monitor = StoredMonitor();
    if (!monitor)
        return;
    const PhysicalHandle handle = monitor->Handle();
    // A monitor in power saving or held by another program: no balloon this time.
    if (m_deviceCtrl.TakeOwnership(handle, Retry::Yes) &&
        m_deviceCtrl.IsAdjustmentPermitted(*monitor))
        ShowBalloon();
    m_deviceCtrl.ReleaseOwnership(handle);
}

void ReminderCycle::ShowBalloon() {
    m_balloon.ShowBalloon(BalloonText{m_strings.Load(kBalloonTitleId), m_settings.message});
    m_balloonTimer = m_timers.SetTimer(TIMER_BALLOON_HIDE, kBalloonMs);
}

void ReminderCycle::OnBalloonTimer() {
    m_balloon.HideBalloon();
    m_timers.KillTimer(TIMER_BALLOON_HIDE);
    m_balloonTimer = false;
}

void ReminderCycle::OnScreenSaverWatch() {
    if (!m_settings.on)
        return;
    const bool running = m_screenSaver.ScreenSaverRunning();
    if (running && !m_reminderPaused) {
        m_timers.KillTimer(TIMER_REMINDER);
        m_reminderTimer = false;
        m_reminderPaused = true;
    } else if (!running && m_reminderPaused) {
        StartInterval();
    }
}

void ReminderCycle::Suspend() {
    if (!m_settings.on || !m_reminderTimer)
        return;
    m_timers.KillTimer(TIMER_REMINDER);
    m_reminderTimer = false;
}

void ReminderCycle::Resume() {
    if (m_settings.on)
        StartInterval();
}

void ReminderCycle::StopTimers() {
    if (m_reminderTimer)
        m_timers.KillTimer(TIMER_REMINDER);
    if (m_screenSaverTimer)
        m_timers.KillTimer(TIMER_SCREENSAVER_WATCH);
    m_reminderTimer = m_screenSaverTimer = false;
}
