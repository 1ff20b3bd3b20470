// The main window's behaviour without the window: the notification icon and its colour, the
// menu it offers, showing and hiding the window and its pages, the keyboard, Keep On Top, the
// current monitor following the window, and the program's system events and timers (display
// changes with the monitor rescan, suspend and resume, session unlock, the end of the session,
// the screen filter's start-up and re-application). The Win32 main window turns messages into
// calls of this model and carries out what it asks through MainWindowView. The system events
// are implemented in main_window_events.cpp, the keyboard in main_window_keys.cpp.
#pragma once

#include "utility/eyecare/reminder_cycle.h"
#include "utility/eyecare/screen_filter.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry.h"
#include "utility/shell/main_window_input.h"
#include "utility/shell/main_window_view.h"
#include "utility/shell/tray_icon.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"
#include "utility/ui/timer_port.h"

#include <cstdint>
#include <functional>
#include <string>

struct MainWindowDeps {
    MainWindowView& view;
    TrayShellPort& trayShell;
    TimerPort& timers;
    RegistryPort& registry;
    DeviceCtrl& deviceCtrl;
    CMonitorStatusAll& monitors;
    ShellState& shell;
    ScreenFilter& filter;
    const StringTable& strings;
};

class MainWindowModel {
  public:
    MainWindowModel(const MainWindowDeps& deps, std::string trayTip);
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // The start of the initialisation: the rescan-notification timer, then the monitors and the
    // icon. Pages and menus come after (the window builds them).
    void Start();
    // Reads "NoTopmost" and keeps the window on top unless it says 1.
    void ApplyStoredTopmost();
    // The EyeCare reminder's settings and timers.
    void StartReminder() { m_reminder.Start(); }
    // The menu's "EyeCare Setting": with a current monitor, `runDialog` runs the EyeCare dialog
    // while m_eyeCareOpen is set; the reminder then follows what the dialog saved.
    void OnEyeCareCommand(const std::function<void()>& runDialog);
    // The applied screen filter as stored, the gamma list and the overlays.
    void SetUpFilter();
    // Rebuilds the monitor list, chooses the current monitor and colours the icon; true when the
    // monitors changed.
    bool RescanMonitors();
    // The window is going: timers stop, the icon goes, the monitor list is emptied, the session
    // notifications are unregistered.
    void Shutdown();
    // Registers for this session's notifications; early in a logon, before the terminal service
    // is ready, it is tried again every 5 s for up to 5 minutes.
    void RegisterSessionNotifications();

    void ShowMainWindow();
    void HideMainWindow();
    // The window's close message: the user's close (the window is shown) hides it; a close while
    // it is hidden, which only another program can send (an installer making way), ends the
    // program by the menu's Exit.
    void OnClose();
    void ShowPage(int index);
    // The user picked another tab.
    void OnTabSelected(int index);
    // The menu's "Setting" item.
    void OnSettingsCommand();
    // A page chose another monitor.
    void SelectMonitor(int index);
    // The window was moved or shown: the monitor under it becomes current.
    void FollowWindowMonitor();

    // Answers whether the notification message still goes on to default processing.
    bool OnTrayNotify(TrayMouse mouse);
    // Explorer restarted, or the taskbar appeared for the first time: the icon is added again.
    // While it cannot be added the program runs on without it and tries again every 10 s.
    void OnTaskbarCreated();
    // The menu's Exit: true when the window may be destroyed now. Dispatched inside a message
    // box or modal dialog of the program, the window and its models would go while that loop's
    // caller still runs on them: every open loop is asked to end, again every 100 ms until none
    // runs, and Exit is then posted again.
    bool OnExitCommand();
    void OnKeepOnTop();
    KeyOutcome OnKeyDown(const KeyPress& key);
    // Answers whether the timer was the model's; others go to default handling.
    bool OnTimer(unsigned id);
    // The display configuration changed: overlays go, gamma devices are listed again, and the
    // monitors are scanned again a second after the first change of a burst (the open loops of
    // the program are asked to end first; the rescan follows once they have).
    void OnDisplayChange();
    // Suspend and resume; the two resume messages of one resume do the resume's work once.
    void OnPowerBroadcast(std::uint32_t event);
    void OnSessionChange(std::uint32_t event);
    // The end-session message: `ending` is false when the shut-down was cancelled; `closeApp`
    // when an installer (Restart Manager) asks only this program to end, which then ends by the
    // menu's Exit.
    void OnEndSession(bool ending, bool closeApp);

    int CurrentPage() const { return m_currentPage; }
    int TrayState() const { return m_tray.State(); }
    bool RescanNotifyPending() const { return m_rescanNotifyPending != 0; }
    // Rescans run since start-up, the one at start-up included.
    int RescanCount() const { return m_rescans; }
    bool FilterReapplyPending() const { return m_filterTimer; }
    const ReminderCycle& Reminder() const { return m_reminder; }
    bool BalloonShown() const { return m_tray.BalloonShown(); }

  private:
    void UpdateTrayIcon();
    void RetryTrayWhileAbsent();
    void OnResume();
    void TryRegisterSession();
    void StopTimer(unsigned id, bool& running);
    bool ForwardMnemonic(unsigned key);
    void OnRescanTimer();
    void OnExitRetryTimer();
    void OnFilterReapplyTimer();
    void StartFilterReapply();
    bool FilterInUse() const;

    MainWindowView& m_view;
    TimerPort& m_timers;
    CRegistry m_registry;
    DeviceCtrl& m_deviceCtrl;
    CMonitorStatusAll& m_monitors;
    ShellState& m_shell;
    ScreenFilter& m_filter;
    TrayIcon m_tray;
    std::string m_trayTip;
    ReminderCycle m_reminder;

    int m_currentPage = 0;
    bool m_startupTimer = false; // the rescan-notification timer runs
    int m_rescanNotifyPending = 0;
    std::uint8_t m_rescanPending = 0;
    bool m_rescanTimer = false;
    bool m_filterTimer = false;
    bool m_exitTimer = false;
    bool m_trayTimer = false;
    bool m_sessionTimer = false;
    bool m_sessionRegistered = false;
    int m_sessionTries = 0;
    // The resume since the last suspend has been handled.
    bool m_resumed = false;
    int m_rescans = 0;
    std::string m_lastDeviceName;
};
