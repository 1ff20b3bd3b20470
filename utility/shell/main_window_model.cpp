// The main window at large: start-up and end, the notification icon and its menu, showing and
// hiding the window and its pages, Keep On Top, and the current monitor following the window.
#include "utility/shell/main_window_model.h"

#include "utility/settings/settings_keys.h"
#include "utility/shell/page_keys.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/user_messages.h"

#include <utility>

namespace {

constexpr int kAutoPage = 0;
// How soon Exit is tried again while a message box or modal dialog is still open.
constexpr std::uint32_t kExitRetryMs = 100;
// How often the icon is tried again while there is no notification area. "TaskbarCreated" adds
// it as soon as the taskbar exists; this is for a shell that never sends it (or a message
// filter that drops it). Slow, since a shell that times out holds the thread for each try.
constexpr std::uint32_t kTrayRetryMs = 10'000;

} // namespace

MainWindowModel::MainWindowModel(const MainWindowDeps& deps, std::string trayTip)
    : m_view(deps.view), m_timers(deps.timers), m_registry(deps.registry),
      m_deviceCtrl(deps.deviceCtrl), m_monitors(deps.monitors), m_shell(deps.shell),
      m_filter(deps.filter), m_tray(deps.trayShell), m_trayTip(std::move(trayTip)),
      m_reminder(ReminderDeps{deps.timers, deps.registry, deps.deviceCtrl, deps.monitors,
                              deps.shell, deps.strings, m_tray, deps.trayShell}) {}

void MainWindowModel::Start() {
    // The rescan-notification timer runs only while a change waits to be reported: a program
    // that lives in the notification area all day must not wake ten times a second for nothing.
    m_rescanNotifyPending = 0;
    RescanMonitors();
}

void MainWindowModel::ApplyStoredTopmost() {
    std::uint32_t noTopmost = 0;
    if (m_registry.ReadDword("NoTopmost", noTopmost, kRootKey) && noTopmost != 0)
        return;
    m_view.SetTopmost(true);
    m_view.CheckKeepOnTop(true);
}

bool MainWindowModel::RescanMonitors() {
    ++m_rescans;
    const bool changed = RebuildMonitorList(m_deviceCtrl, m_monitors);
    UpdateTrayIcon();
    return changed;
}

void MainWindowModel::UpdateTrayIcon() {
    m_tray.UpdateTrayIcon(m_monitors.HasCurrent(), m_trayTip);
    RetryTrayWhileAbsent();
}

void MainWindowModel::RetryTrayWhileAbsent() {
    // Without the icon there is no menu, but the program still answers the command line and
    // keeps the filter and the reminder going; the icon comes as soon as the shell takes it.
    if (m_tray.State() != 0)
        StopTimer(TIMER_TRAY_RETRY, m_trayTimer);
    else if (!m_trayTimer)
        m_trayTimer = m_timers.SetTimer(TIMER_TRAY_RETRY, kTrayRetryMs);
}

void MainWindowModel::StopTimer(unsigned id, bool& running) {
    if (running)
        m_timers.KillTimer(id);
    running = false;
}

void MainWindowModel::Shutdown() {
    StopTimer(TIMER_RESCAN_NOTIFY, m_startupTimer);
    StopTimer(TIMER_TRAY_RETRY, m_trayTimer);
    m_tray.Remove();
    m_reminder.StopTimers();
    m_monitors.Clear(); // the overlays go with their monitors
    m_filter.FreeGammaList();
    StopTimer(TIMER_FILTER_REAPPLY, m_filterTimer);
    StopTimer(TIMER_SESSION_RETRY, m_sessionTimer);
    if (m_sessionRegistered)
        m_view.UnregisterSessionNotification();
    m_sessionRegistered = false;
}

void MainWindowModel::ShowMainWindow() {
    if (m_shell.m_mainShown == 1)
        return;
    m_shell.m_mainShown = 1;
    m_view.SelectTab(0);
    m_view.ShowOnlyPage(0);
    m_currentPage = 0;
    m_view.ShowWindowNormal();
    m_view.BringToForeground();
    FollowWindowMonitor();
}

void MainWindowModel::HideMainWindow() {
    m_shell.m_mainShown = 0;
    m_view.ShowOnlyPage(-1);
    m_view.HideWindow();
}

void MainWindowModel::OnClose() {
    if (m_shell.m_mainShown == 1)
        HideMainWindow();
    else
        m_view.PostExit();
}

void MainWindowModel::ShowPage(int index) {
    m_view.ShowOnlyPage(index);
    m_view.RefreshTabControl();
    if (index == kAutoPage)
        m_view.PostAutoPageRefresh();
}

void MainWindowModel::OnTabSelected(int index) {
    if (index < 0 || index >= kPageCount || index == m_currentPage)
        return;
    ShowPage(index);
    m_currentPage = index;
}

void MainWindowModel::OnSettingsCommand() {
    if (!m_monitors.HasCurrent())
        return;
    m_view.PostAutoPageRefresh();
    ShowMainWindow();
}

bool MainWindowModel::OnExitCommand() {
    if (!m_shell.InModalLoop())
        return true;
    m_view.EndModalLoops();
    if (!m_exitTimer)
        m_exitTimer = m_timers.SetTimer(TIMER_EXIT_RETRY, kExitRetryMs);
    return false;
}

void MainWindowModel::OnExitRetryTimer() {
    // Asked again at every retry, not once: a loop may have opened since the last request (the
    // handler a closed box returned to asked another question), and Exit must end in bounded
    // time whatever is open.
    if (m_shell.InModalLoop()) {
        m_view.EndModalLoops();
        return;
    }
    m_timers.KillTimer(TIMER_EXIT_RETRY);
    m_exitTimer = false;
    m_view.PostExit();
}

void MainWindowModel::OnEyeCareCommand(const std::function<void()>& runDialog) {
    if (!m_monitors.HasCurrent())
        return;
    m_shell.m_eyeCareOpen = 1;
    RunModal(m_shell, runDialog);
    m_shell.m_eyeCareOpen = 0;
    m_reminder.ApplyReminderSettings();
}

void MainWindowModel::SelectMonitor(int index) {
    m_monitors.SelectByIndex(index);
}

void MainWindowModel::FollowWindowMonitor() {
    if (m_shell.m_mainShown != 1)
        return;
    std::string name = m_lastDeviceName;
    m_view.WindowDeviceName(name);
    if (name == m_lastDeviceName)
        return;
    m_lastDeviceName = name;
    for (std::size_t i = 0; i < m_monitors.monitors.size(); ++i) {
        if (!MonitorHasDeviceName(name, *m_monitors.monitors[i]))
            continue;
        m_monitors.SelectByIndex(static_cast<int>(i));
        if (m_currentPage == kAutoPage)
            m_view.PostAutoPageRefresh();
        else
            m_view.RefreshPage(m_currentPage);
        return;
    }
}

bool MainWindowModel::OnTrayNotify(TrayMouse mouse) {
    switch (mouse) {
    case TrayMouse::LeftDoubleClick:
        if (m_shell.m_mainShown || m_shell.AnyMenuDialogOpen()) {
            m_view.BringToForeground();
        } else if (m_monitors.HasCurrent()) {
            m_view.PostAutoPageRefresh();
            ShowMainWindow();
        }
        return true;
    case TrayMouse::RightButtonUp: {
        TrayMenuChoice choice;
        if (m_monitors.HasCurrent())
            choice.grayed = m_shell.m_mainShown || m_shell.AnyMenuDialogOpen();
        else
            choice.popup = 1;
        m_view.ShowTrayMenu(choice);
        return false;
    }
    case TrayMouse::Other:
        break;
    }
    return true;
}

void MainWindowModel::OnTaskbarCreated() {
    m_tray.OnTaskbarCreated(m_monitors.HasCurrent(), m_trayTip);
    RetryTrayWhileAbsent();
}

void MainWindowModel::OnKeepOnTop() {
    const bool makeTopmost = !m_view.IsTopmost();
    m_view.SetTopmost(makeTopmost);
    m_view.CheckKeepOnTop(makeTopmost);
    m_registry.WriteDword("NoTopmost", makeTopmost ? 0 : 1, kRootKey);
    // The filter's overlays stay above every window, this one included.
    if (!makeTopmost)
        m_filter.RaiseOverlays();
}
