// The notification-area icon: adding, modifying and deleting it with the shell's retry rules,
// its colour, which says whether a monitor can be controlled, and the reminder's balloon. The
// program runs on without the icon while the shell has no notification area (a logon task or an
// Explorer restart starts before the taskbar): the icon is added when the taskbar is created or
// when the owner tries again.
#pragma once

#include "utility/eyecare/reminder_ports.h"

#include <cstdint>
#include <string>

enum class TrayAction : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

inline constexpr std::uint32_t kIconColoured = 128;
inline constexpr std::uint32_t kIconGrey = 152;
inline constexpr std::uint32_t kBalloonTimeoutMs = 10'000;

// The icon record with a balloon: the icon, its tip, the balloon's title and text (an empty text
// removes the balloon) and how long the shell shows it.
struct BalloonRecord {
    std::uint32_t iconId = kIconColoured;
    std::string tip;
    std::string title;
    std::string text;
    std::uint32_t timeoutMs = kBalloonTimeoutMs;
};

// One Shell_NotifyIcon call on the main window's icon record, and what surrounds it. The same
// desktop shell answers whether a screen saver runs, which holds the reminder whose balloon
// goes through it.
class TrayShellPort : public ScreenSaverPort {
  public:
    virtual bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) = 0;
    // Modifies the icon with the balloon's fields as well, in one call.
    virtual bool NotifyBalloon(const BalloonRecord& record) = 0;
    virtual std::uint32_t LastError() = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
};

class TrayIcon : public BalloonPort {
  public:
    explicit TrayIcon(TrayShellPort& shell) : m_shell(shell) {}

    // Calls the shell. A modify or delete is retried while the shell times out (Explorer busy).
    // An add is tried once, without waiting: when it fails, a modify asks whether the icon is
    // there after all (an earlier add that timed out may have reached the shell); when that
    // fails too there is no icon, and the owner tries again later.
    bool NotifyTray(TrayAction action, std::uint32_t iconId, const std::string& tip);
    // Adds the icon when it is not shown, then colours it: coloured with a current monitor, grey
    // without one. Without a notification area the icon stays absent (State() 0).
    void UpdateTrayIcon(bool haveCurrentMonitor, const std::string& tip);
    // Explorer restarted: the icon is gone and is added again.
    void OnTaskbarCreated(bool haveCurrentMonitor, const std::string& tip);
    // Deletes the icon, if there is one.
    void Remove();

    // The reminder's balloon, on the icon as it is (coloured: the reminder only speaks of a
    // monitor it controls) with the icon's tip. The record is kept: hiding sends it again with
    // an empty text and the icon as it is then.
    void ShowBalloon(const BalloonText& balloon) override;
    void HideBalloon() override;
    // A balloon was handed to the shell and not yet removed.
    bool BalloonShown() const { return m_balloonShown; }

    // 0 = no icon, 1 = coloured, 2 = grey.
    int State() const { return m_trayState; }

  private:
    std::uint32_t CurrentIcon() const { return m_trayState == 2 ? kIconGrey : kIconColoured; }

    TrayShellPort& m_shell;
    int m_trayState = 0;
    std::string m_tip; // as the icon was last given it
    BalloonRecord m_balloon;
    bool m_balloonShown = false;
};
