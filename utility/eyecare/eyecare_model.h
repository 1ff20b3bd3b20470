// The EyeCare dialog's behaviour without the window: which monitor the reminder belongs to,
// whether it pops up, its interval and its message, the rules of the hours box, and what saving
// writes to (or deletes from) the registry. The Win32 dialog turns notifications into calls of
// this model and shows what it asks through EyeCareView.
#pragma once

#include "utility/eyecare/reminder_settings.h"
#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class EyeCareView {
  public:
    virtual ~EyeCareView() = default;
    // Fills the monitor box and selects line `selected` (-1: none).
    virtual void SetMonitorList(const std::vector<std::string>& lines, int selected) = 0;
    virtual void SetPopupCheck(bool checked) = 0;
    // Puts `text` into the hours box with the caret after it.
    virtual void SetHoursText(const std::string& text) = 0;
    // The hours box with its up-down control, its caption and unit, and "Edit Message...".
    virtual void EnableReminderControls(bool enabled) = 0;
    // Runs the Edit Message dialog on `message`; true, with the new text in `message`, after OK.
    virtual bool RunEditMessage(std::string& message) = 0;
    // A warning in a message box (the exclamation icon).
    virtual void ShowWarning(const std::string& text) = 0;
};

// The monitor the dialog would store.
struct MonitorChoice {
    std::string deviceName;
    std::string model;
    std::string serial;
};

// While the hours are typed: a number below 0 becomes "0" and one above 24 "24"; nothing when
// the text stays.
std::optional<std::string> HoursWhileTyping(std::string_view text);
// When the hours box loses the focus: 0 or less (an empty box included) becomes 1 and above 24
// becomes 24, written as a plain number.
std::string HoursOnLeaving(std::string_view text);

class EyeCareModel {
  public:
    EyeCareModel(EyeCareView& view, RegistryPort& registry, const CMonitorStatusAll& monitors,
                 ShellState& shell, const StringTable& strings);
    EyeCareModel(const EyeCareModel&) = delete;
    EyeCareModel& operator=(const EyeCareModel&) = delete;

    // The dialog's window exists, on the display `dialogDevice`: the stored reminder, the
    // monitor lines and the choice of the selected line.
    void Open(WindowHandle window, const std::string& dialogDevice);
    // The user picked line `index`.
    void MonitorSelected(int index);
    // "Pop up the message periodically" was clicked; `checked` is its state now.
    void PopupClicked(bool checked);
    void HoursChanged(const std::string& text);
    void HoursLeft(const std::string& text);
    // "Edit Message...": the Edit Message dialog on the current message.
    void EditMessage();
    // "Close": the choice, interval and message stored, or the stored reminder deleted. False
    // when nothing could be stored (the user was told why): the dialog stays open with the
    // user's choices.
    bool Save(const std::string& hoursText);
    // The window goes, saved or not.
    void Close();

    const MonitorChoice& Choice() const { return m_choice; }
    const std::string& Message() const { return m_message; }
    bool PopupChecked() const { return m_popup; }

  private:
    void Choose(int index);

    EyeCareView& m_view;
    CRegistry m_registry;
    const CMonitorStatusAll& m_monitors;
    ShellState& m_shell;
    const StringTable& m_strings;

    ReminderSettings m_stored; // as read when the dialog opened
    bool m_storedFound = false;
    MonitorChoice m_choice;
    bool m_chosen = false; // a listed monitor is the choice
    bool m_popup = false;
    std::string m_message;
};
