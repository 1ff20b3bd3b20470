// The main window's system events and timers: display changes and the monitor rescan, suspend
// and resume, session unlock, the end of the session, the EyeCare reminder's three timers, and
// the screen filter's start-up and re-application.
#include "utility/shell/main_window_model.h"

#include "utility/ui/user_messages.h"

namespace {

constexpr std::uint32_t kRescanDelayMs = 1000;
constexpr std::uint32_t kRescanNotifyMs = 100;
// How soon the rescan looks again after it asked the open loops to end.
constexpr std::uint32_t kRescanAfterLoopsMs = 100;
constexpr std::uint32_t kFilterReapplyDelayMs = 7000;

// WTSRegisterSessionNotification fails with RPC_S_INVALID_BINDING while the terminal service
// and what it depends on are still starting, as they may be when the program starts at logon.
// It is tried again every 5 s for up to 5 minutes: by then the service runs, or it never will.
constexpr std::uint32_t kErrorRpcInvalidBinding = 1702;
constexpr std::uint32_t kSessionRetryMs = 5000;
constexpr int kSessionTries = 60;

} // namespace

void MainWindowModel::SetUpFilter() {
    m_filter.LoadSettings(m_registry);
    m_filter.BuildGammaList();
    m_filter.CreateOverlayWindows();
}

bool MainWindowModel::OnTimer(unsigned id) {
    switch (id) {
    case TIMER_RESCAN_NOTIFY:
        if (!m_monitors.adjustmentBusy && m_rescanNotifyPending == 1) {
            m_view.CloseAuxiliaryDialogs();
            m_rescanNotifyPending = 0;
            HideMainWindow();
        }
        if (!m_rescanNotifyPending && m_startupTimer) {
            m_timers.KillTimer(TIMER_RESCAN_NOTIFY);
            m_startupTimer = false;
        }
        return true;
    case TIMER_RESCAN:
        OnRescanTimer();
        return true;
    case TIMER_REMINDER:
        m_reminder.OnReminderTimer();
        return true;
    case TIMER_BALLOON_HIDE:
        m_reminder.OnBalloonTimer();
        return true;
    case TIMER_SCREENSAVER_WATCH:
        m_reminder.OnScreenSaverWatch();
        return true;
    case TIMER_FILTER_REAPPLY:
        OnFilterReapplyTimer();
        return true;
    case TIMER_EXIT_RETRY:
        OnExitRetryTimer();
        return true;
    case TIMER_TRAY_RETRY:
        UpdateTrayIcon();
        return true;
    case TIMER_SESSION_RETRY:
        TryRegisterSession();
        return true;
    default:
        return false;
    }
}

void MainWindowModel::OnDisplayChange() {
    m_filter.DestroyOverlays();
    m_filter.BuildGammaList();
    // One rescan for a burst of changes, a second after the first.
    if (m_rescanPending)
        return;
    m_rescanPending = 1;
    m_rescanTimer = m_timers.SetTimer(TIMER_RESCAN, kRescanDelayMs);
}

void MainWindowModel::OnRescanTimer() {
    // A message box or modal dialog runs, whose caller may hold a monitor. Every one of the
    // program's loops can be asked to end, and they are: the About box, a question or the menu
    // would otherwise hold the rescan for as long as the user leaves them open, with the overlays
    // gone and the icon and the monitor list stale. The rescan follows once they have ended.
    if (m_shell.InModalLoop()) {
        m_view.EndModalLoops();
        m_rescanTimer = m_timers.SetTimer(TIMER_RESCAN, kRescanAfterLoopsMs);
        return;
    }
    // A colour adjustment is running: the timer fires again.
    if (m_monitors.adjustmentBusy)
        return;
    m_timers.KillTimer(TIMER_RESCAN);
    m_rescanTimer = false;
    if (!m_rescanPending)
        return;
    m_rescanPending = 0;
    HideMainWindow();
    const std::string remembered = m_monitors.HasCurrent() ? m_monitors.Current().identityKey : "";
    const bool hadCurrent = m_monitors.HasCurrent();
    m_lastDeviceName.clear();
    const bool changed = RescanMonitors();
    if (!changed && hadCurrent) {
        for (std::size_t i = 0; i < m_monitors.monitors.size(); ++i) {
            if (m_monitors.monitors[i]->identityKey == remembered) {
                m_monitors.SelectByIndex(static_cast<int>(i));
                break;
            }
        }
    }
    m_reminder.MonitorsRescanned();
    m_rescanNotifyPending |= changed ? 1 : 0;
    if (m_rescanNotifyPending && !m_startupTimer)
        m_startupTimer = m_timers.SetTimer(TIMER_RESCAN_NOTIFY, kRescanNotifyMs);
    m_filter.CreateOverlayWindows();
    if (changed)
        m_view.PostMonitorsChanged();
}

bool MainWindowModel::FilterInUse() const {
    return m_shell.m_hwndFilterDialog != nullptr || m_filter.On();
}

void MainWindowModel::StartFilterReapply() {
    m_filterTimer = m_timers.SetTimer(TIMER_FILTER_REAPPLY, kFilterReapplyDelayMs);
}

void MainWindowModel::OnPowerBroadcast(std::uint32_t event) {
    if (event == kPowerSuspend) {
        m_resumed = false;
        m_reminder.Suspend();
    } else if (event == kPowerResume || event == kPowerResumeAutomatic) {
        // The second message of the same resume, in whichever order they came, finds the work
        // done: the reminder's interval would start over and the filter wait again.
        if (m_resumed)
            return;
        m_resumed = true;
        OnResume();
    }
}

void MainWindowModel::OnResume() {
    m_reminder.Resume();
    if (FilterInUse())
        StartFilterReapply();
}

void MainWindowModel::RegisterSessionNotifications() {
    m_sessionTries = 0;
    TryRegisterSession();
}

void MainWindowModel::TryRegisterSession() {
    ++m_sessionTries;
    const std::uint32_t error = m_view.RegisterSessionNotification();
    m_sessionRegistered = error == 0;
    if (error == kErrorRpcInvalidBinding && m_sessionTries < kSessionTries) {
        if (!m_sessionTimer)
            m_sessionTimer = m_timers.SetTimer(TIMER_SESSION_RETRY, kSessionRetryMs);
        return;
    }
    // Registered, refused for good, or out of tries: unlock is then not followed, resume still
    // is.
    StopTimer(TIMER_SESSION_RETRY, m_sessionTimer);
}

void MainWindowModel::OnSessionChange(std::uint32_t event) {
    if (event != kSessionUnlock || !FilterInUse())
        return;
    // The seven seconds count from the last unlock.
    if (m_filterTimer)
        m_timers.KillTimer(TIMER_FILTER_REAPPLY);
    StartFilterReapply();
}

void MainWindowModel::OnFilterReapplyTimer() {
    if (m_shell.m_hwndFilterDialog)
        m_view.SendFilterReapply();
    else if (m_filter.On())
        m_filter.ReapplyAllLuminance();
    m_timers.KillTimer(TIMER_FILTER_REAPPLY);
    m_filterTimer = false;
}

void MainWindowModel::OnEndSession(bool ending, bool closeApp) {
    // A cancelled shut-down keeps everything running.
    if (!ending)
        return;
    // Windows goes on after this program: it must end by itself, as Exit ends it.
    if (closeApp) {
        m_view.PostExit();
        return;
    }
    m_reminder.StopTimers();
    m_filter.FreeGammaList();
}
