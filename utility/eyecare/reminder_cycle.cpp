#include "utility/eyecare/reminder_cycle.h"

#include "utility/settings/settings_keys.h"
#include "utility/shell/user_messages.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kHourMs = 3'600'000;
constexpr std::uint32_t kScreenSaverWatchMs = 1000;
constexpr int kMostHours = 24;
constexpr std::uint32_t kDefaultMessageId = 232;
// Every reminder value is read into a buffer of this size.
constexpr std::size_t kValueCapacity = 256;

std::string ReadText(const CRegistry& registry, const char* name, const char* key) {
    char text[kValueCapacity + 1] = {}; // the extra zero ends a text stored without one
    registry.ReadValue(name, text, kValueCapacity, key);
    return text;
}

} // namespace

ReminderCycle::ReminderCycle(TimerPort& timers, RegistryPort& registry,
                             const CMonitorStatusAll& monitors, const StringTable& strings)
    : m_timers(timers), m_registry(registry), m_monitors(monitors), m_strings(strings) {}

void ReminderCycle::LoadSettings() {
    ReminderSettings settings;
    settings.displayName = ReadText(m_registry, "Display Name", kEyeCareKey.data());
    settings.model = ReadText(m_registry, "Model Name", kEyeCareKey.data());
    settings.serial = ReadText(m_registry, "Serial Num", kEyeCareKey.data());
    std::uint8_t value[kValueCapacity] = {};
    if (m_registry.ReadValue("On", value, sizeof value, kReminderKey.data()))
        settings.on = value[0] != 0;
    value[0] = 0;
    if (m_registry.ReadValue("Hour", value, sizeof value, kReminderKey.data()) && value[0] != 0)
        settings.hours = std::min<int>(value[0], kMostHours);
    char message[kValueCapacity + 1] = {};
    if (m_registry.ReadValue("Message", message, kValueCapacity, kReminderKey.data()))
        settings.message = message;
    else
        settings.message = m_strings.Load(kDefaultMessageId);
    m_settings = std::move(settings);
}

bool ReminderCycle::StoredMonitorAttached() const {
    return std::any_of(m_monitors.monitors.begin(), m_monitors.monitors.end(),
                       [&](const auto& monitor) {
                           return monitor->modelName == m_settings.model &&
                                  monitor->serialNumber == m_settings.serial;
                       });
}

void ReminderCycle::StartInterval() {
    m_reminderTimer =
        m_timers.SetTimer(TIMER_REMINDER, static_cast<std::uint32_t>(m_settings.hours) * kHourMs);
    m_reminderPaused = false;
}

void ReminderCycle::Start() {
    LoadSettings();
    if (!m_settings.on || !StoredMonitorAttached())
        return;
    StartInterval();
    m_screenSaverTimer = m_timers.SetTimer(TIMER_SCREENSAVER_WATCH, kScreenSaverWatchMs);
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
