// The main window's behaviour without the window: the notification icon and its colour, the
// menu it offers, showing and hiding the window and its pages, the keyboard, Keep On Top, the
// current monitor following the window, and the program's system events and timers (display
// changes with the monitor rescan, suspend and resume, session unlock, the end of the session,
// the screen filter's start-up and re-application). The Win32 main window turns messages into
// calls of this model and carries out what it asks through MainWindowView. The system events
// are implemented in main_window_events.cpp.
#pragma once

#include "utility/eyecare/reminder_cycle.h"
#include "utility/eyecare/screen_filter.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry.h"
#include "utility/shell/tray_icon.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"
#include "utility/ui/timer_port.h"

#include <cstdint>
#include <functional>
#include <string>

// The notification menu as it is to be shown.
struct TrayMenuChoice {
    int popup = 0;       // 0: the full menu; 1: Exit only (no monitor to control)
    bool grayed = false; // every item grey while the window or a menu dialog is open
};

// Where a Tab key sends the focus inside a page.
enum class PageFocus { First, Last };

// What the main window does on the model's behalf.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual void ShowWindowNormal() = 0;
    virtual void HideWindow() = 0;
    // Shows page `index` and hides the others; -1 hides all three.
    virtual void ShowOnlyPage(int index) = 0;
    virtual void SelectTab(int index) = 0;
    // Hides and shows the tab control again and gives it the focus.
    virtual void RefreshTabControl() = 0;
    // Posts the Auto Veltone page its refresh request.
    virtual void PostAutoPageRefresh() = 0;
    // The colour page's or the sound page's refresh for the current monitor.
    virtual void RefreshPage(int index) = 0;
    // Brings the main window to the foreground, past the foreground lock.
    virtual void BringToForeground() = 0;
    virtual bool IsTopmost() const = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void CheckKeepOnTop(bool checked) = 0;
    // Focuses the main window, brings it forward and tracks the notification menu at the cursor.
    virtual void ShowTrayMenu(const TrayMenuChoice& choice) = 0;
    // The display device name of the monitor that holds the main window; `name` stays as it is
    // when none is found.
    virtual void WindowDeviceName(std::string& name) = 0;
    virtual void FocusPageControl(int page, PageFocus where) = 0;
    // Gives the page control whose text marks `letter` the focus and replays the key to it.
    virtual void ForwardMnemonic(int page, char letter) = 0;
    // Sends every open auxiliary dialog its close request.
    virtual void CloseAuxiliaryDialogs() = 0;
    // Posts the Auto Veltone page the news that the monitors changed.
    virtual void PostMonitorsChanged() = 0;
    // Sends the EyeCare Filter dialog its request to apply its filter again.
    virtual void SendFilterReapply() = 0;
    // Ends the program once the message being handled is done (the menu's Exit, posted).
    virtual void PostExit() = 0;
};

// The main window's keyboard: keys that reach the main window itself.
enum class KeyFocus { TabControl, CloseButton, Other };
struct KeyPress {
    unsigned key = 0;    // virtual-key code
    bool system = false; // with Alt (a system key)
    bool ctrl = false;
    bool shift = false;
    KeyFocus focus = KeyFocus::Other;
};
enum class KeyOutcome {
    Consumed,                  // the key goes no further
    Dispatch,                  // normal dialog processing
    DispatchWithoutNavigation, // dispatched, but the dialog's own Tab handling must not see it
};

// The notification icon's mouse messages that matter.
enum class TrayMouse { LeftDoubleClick, RightButtonUp, Other };

// Power-broadcast and session-change events the program reacts to (their system values).
inline constexpr std::uint32_t kPowerSuspend = 4;  // PBT_APMSUSPEND
inline constexpr std::uint32_t kPowerResume = 7;   // PBT_APMRESUMESUSPEND
inline constexpr std::uint32_t kSessionUnlock = 8; // WTS_SESSION_UNLOCK

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
    // The window is going: timers stop, the icon goes, the monitor list is emptied.
    void Shutdown();

    void ShowMainWindow();
    void HideMainWindow();
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
    // Explorer restarted: the icon is added again; when that fails the program ends (posted, so
    // the window outlives the message being handled).
    void OnTaskbarCreated();
    void OnKeepOnTop();
    KeyOutcome OnKeyDown(const KeyPress& key);
    // Answers whether the timer was the model's; others go to default handling.
    bool OnTimer(unsigned id);
    // The display configuration changed: overlays go, gamma devices are listed again, and the
    // monitors are scanned again a second after the first change of a burst.
    void OnDisplayChange();
    void OnPowerBroadcast(std::uint32_t event);
    void OnSessionChange(std::uint32_t event);
    // The end-session message: `ending` is false when the shut-down was cancelled.
    void OnEndSession(bool ending);

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
    void ForwardMnemonic(unsigned key);
    void OnRescanTimer();
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
    int m_rescans = 0;
    std::string m_lastDeviceName;
};
