#include "utility/shell/tray_icon.h"

namespace {
constexpr int kMaxTries = 180;
constexpr std::uint32_t kErrorTimeout = 1460; // ERROR_TIMEOUT: the shell did not answer in time
constexpr std::uint32_t kTimeoutPauseMs = 1000;
} // namespace

bool TrayIcon::NotifyTray(TrayAction action, std::uint32_t iconId, const std::string& tip) {
    // Without a notification area every add fails at once; while Explorer starts it times out.
    // Waiting here would hold the user-interface thread (up to 180 pauses of a second), and with
    // it the command line and every timer, for a taskbar that may never come.
    if (action == TrayAction::Add)
        return m_shell.NotifyIcon(TrayAction::Add, iconId, tip) ||
               m_shell.NotifyIcon(TrayAction::Modify, iconId, tip);
    bool ok = false;
    for (int attempt = 0; attempt < kMaxTries && !ok; ++attempt) {
        ok = m_shell.NotifyIcon(action, iconId, tip);
        if (ok)
            break;
        if (m_shell.LastError() != kErrorTimeout)
            break;
        // A timed-out call may still have reached the shell, so go on with a modify.
        m_shell.Sleep(kTimeoutPauseMs);
        ok = m_shell.NotifyIcon(TrayAction::Modify, iconId, tip);
    }
    return ok;
}

void TrayIcon::UpdateTrayIcon(bool haveCurrentMonitor, const std::string& tip) {
    m_tip = tip;
    if (m_trayState == 0 && !NotifyTray(TrayAction::Add, kIconGrey, tip))
        return;
    if (haveCurrentMonitor) {
        if (m_trayState != 1)
            NotifyTray(TrayAction::Modify, kIconColoured, tip);
        m_trayState = 1;
    } else {
        if (m_trayState != 2)
            NotifyTray(TrayAction::Modify, kIconGrey, tip);
        m_trayState = 2;
    }
}

void TrayIcon::OnTaskbarCreated(bool haveCurrentMonitor, const std::string& tip) {
    m_trayState = 0;
    UpdateTrayIcon(haveCurrentMonitor, tip);
}

void TrayIcon::Remove() {
    if (m_trayState == 0)
        return;
    NotifyTray(TrayAction::Delete, kIconColoured, "");
    m_trayState = 0;
}

void TrayIcon::ShowBalloon(const BalloonText& balloon) {
    m_balloon.iconId = CurrentIcon();
    m_balloon.tip = m_tip;
    m_balloon.title = balloon.title;
    m_balloon.text = balloon.text;
    m_balloonShown = m_shell.NotifyBalloon(m_balloon) && !m_balloon.text.empty();
}

// The record goes to the shell again without its text: with the icon the monitor state gives
// now, since a rescan during the balloon may have greyed it.
void TrayIcon::HideBalloon() {
    m_balloon.iconId = CurrentIcon();
    m_balloon.tip = m_tip;
    m_balloon.text.clear();
    m_shell.NotifyBalloon(m_balloon);
    m_balloonShown = false;
}
