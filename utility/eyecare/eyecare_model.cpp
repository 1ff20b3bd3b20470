#include "utility/eyecare/eyecare_model.h"

#include "utility/settings/settings_keys.h"
#include "utility/ui/modal_loop.h"

#include <cstdlib>
#include <string>

namespace {

constexpr std::uint32_t kMonitorStringId = 116;
constexpr std::uint32_t kNoModelNameId = 262;

// The number the text starts with, as the C library reads it (0 without one).
int NumberOf(std::string_view text) {
    return std::atoi(std::string(text).c_str());
}

bool SameMonitor(const CMonitorStatus& monitor, const std::string& model,
                 const std::string& serial) {
    return monitor.modelName == model && monitor.serialNumber == serial;
}

bool WriteText(const CRegistry& registry, const char* name, const std::string& text,
               const char* key) {
    return registry.WriteString(name, text.c_str(), static_cast<std::uint32_t>(text.size() + 1),
                                key);
}

} // namespace

std::optional<std::string> HoursWhileTyping(std::string_view text) {
    const int hours = NumberOf(text);
    if (hours < 0)
        return "0";
    if (hours > kReminderMostHours)
        return std::to_string(kReminderMostHours);
    return std::nullopt;
}

std::string HoursOnLeaving(std::string_view text) {
    const int hours = NumberOf(text);
    if (hours <= 0)
        return "1";
    return std::to_string(hours > kReminderMostHours ? kReminderMostHours : hours);
}

EyeCareModel::EyeCareModel(EyeCareView& view, RegistryPort& registry,
                           const CMonitorStatusAll& monitors, ShellState& shell,
                           const StringTable& strings)
    : m_view(view), m_registry(registry), m_monitors(monitors), m_shell(shell), m_strings(strings) {
}

void EyeCareModel::Open(WindowHandle window, const std::string& dialogDevice) {
    m_shell.m_hwndEyeCare = window;
    m_stored = ReadReminderSettings(m_registry, m_strings);
    m_storedFound = false;
    int hours = 1;
    bool listed = false;
    for (const auto& monitor : m_monitors.monitors)
        listed = listed || SameMonitor(*monitor, m_stored.model, m_stored.serial);
    if (listed) {
        m_popup = m_stored.on;
        hours = m_stored.hours;
        m_message = m_stored.message;
    } else {
        m_stored.displayName.clear();
        m_stored.model.clear();
        m_stored.serial.clear();
        m_popup = false;
        m_message = m_strings.Load(kDefaultReminderMessageId);
    }

    const std::string prefix = m_strings.Load(kMonitorStringId);
    std::vector<std::string> lines;
    int selected = m_monitors.monitors.empty() ? -1 : 0;
    const bool storedNamed = !m_stored.model.empty() && !m_stored.serial.empty();
    bool placed = false;
    for (std::size_t i = 0; i < m_monitors.monitors.size(); ++i) {
        const CMonitorStatus& monitor = *m_monitors.monitors[i];
        lines.push_back(prefix + monitor.displayLabel + " (" + monitor.modelName + ")");
        const bool match = storedNamed ? SameMonitor(monitor, m_stored.model, m_stored.serial)
                                       : MonitorHasDeviceName(dialogDevice, monitor);
        if (match && !placed) {
            selected = static_cast<int>(i);
            placed = true;
            m_storedFound = storedNamed;
        }
    }
    m_view.SetPopupCheck(m_popup);
    m_view.SetHoursText(std::to_string(hours));
    m_view.SetMonitorList(lines, selected);
    // The selected line is the choice from the start: saving without touching the box stores
    // the monitor it shows.
    Choose(selected);
    m_view.EnableReminderControls(m_popup);
}

void EyeCareModel::Choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_monitors.monitors.size())
        return;
    const CMonitorStatus& monitor = *m_monitors.monitors[static_cast<std::size_t>(index)];
    m_choice = MonitorChoice{monitor.deviceName, monitor.modelName, monitor.serialNumber};
    m_chosen = true;
}

void EyeCareModel::MonitorSelected(int index) {
    Choose(index);
}

void EyeCareModel::PopupClicked(bool checked) {
    m_popup = checked;
    m_view.EnableReminderControls(checked);
}

void EyeCareModel::HoursChanged(const std::string& text) {
    if (const auto replaced = HoursWhileTyping(text))
        m_view.SetHoursText(*replaced);
}

void EyeCareModel::HoursLeft(const std::string& text) {
    m_view.SetHoursText(HoursOnLeaving(text));
}

void EyeCareModel::EditMessage() {
    std::string message = m_message;
    if (m_view.RunEditMessage(message))
        m_message = message;
}

bool EyeCareModel::Save(const std::string& hoursText) {
    // The reminder knows its monitor by model name and serial number: a monitor that reports no
    // model name cannot be told from others, and the user hears why nothing was stored.
    if (m_popup && m_chosen && m_choice.model.empty()) {
        RunModal(m_shell, [&] { m_view.ShowWarning(m_strings.Load(kNoModelNameId)); });
        return false;
    }
    if (m_popup && m_chosen) {
        if (m_choice.model != m_stored.model || m_choice.serial != m_stored.serial)
            m_registry.DeleteSubKey(kReminderName, kEyeCareKey.data());
        WriteText(m_registry, "Display Name", m_choice.deviceName, kEyeCareKey.data());
        WriteText(m_registry, "Model Name", m_choice.model, kEyeCareKey.data());
        WriteText(m_registry, "Serial Num", m_choice.serial, kEyeCareKey.data());
        const std::uint8_t on = 1;
        m_registry.WriteBinary("On", &on, 1, kReminderKey.data());
        // Enter on "Close" can come while the box still holds what was typed: the rule of
        // leaving the box applies to what is stored.
        const auto hours = static_cast<std::uint8_t>(NumberOf(HoursOnLeaving(hoursText)));
        m_registry.WriteBinary("Hour", &hours, 1, kReminderKey.data());
        WriteText(m_registry, "Message", m_message, kReminderKey.data());
    } else if (!m_popup && m_storedFound) {
        m_registry.DeleteSubKey(kReminderName, kEyeCareKey.data());
        m_registry.DeleteSubKey(kEyeCareSubKey, kRootKey);
    }
    return true;
}

void EyeCareModel::Close() {
    m_shell.m_hwndEyeCare = nullptr;
    m_shell.m_eyeCareOpen = 0;
}
