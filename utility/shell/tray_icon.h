// The notification-area icon: adding, modifying and deleting it with the shell's retry rules,
// and its colour, which says whether a monitor can be controlled.
#pragma once

#include <cstdint>
#include <string>

enum class TrayAction : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

inline constexpr std::uint32_t kIconColoured = 128;
inline constexpr std::uint32_t kIconGrey = 152;

// One Shell_NotifyIcon call on the main window's icon record, and what surrounds it.
class TrayShellPort {
  public:
    virtual ~TrayShellPort() = default;
    virtual bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) = 0;
    virtual std::uint32_t LastError() = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
    // Tells the user that the icon could not be added and the program ends.
    virtual void ReportAddFailure() = 0;
};

class TrayIcon {
  public:
    explicit TrayIcon(TrayShellPort& shell) : m_shell(shell) {}

    // Calls the shell, retrying while it times out (Explorer busy or starting); a failed add is
    // reported and clears StartupOk().
    bool NotifyTray(TrayAction action, std::uint32_t iconId, const std::string& tip);
    // Adds the icon when it is not shown, then colours it: coloured with a current monitor, grey
    // without one.
    void UpdateTrayIcon(bool haveCurrentMonitor, const std::string& tip);
    // Explorer restarted: the icon is gone and is added again.
    void OnTaskbarCreated(bool haveCurrentMonitor, const std::string& tip);
    void Remove() { NotifyTray(TrayAction::Delete, kIconColoured, ""); }

    // 0 = no icon, 1 = coloured, 2 = grey.
    int State() const { return m_trayState; }
    bool StartupOk() const { return m_startupOk; }

  private:
    TrayShellPort& m_shell;
    int m_trayState = 0;
    bool m_startupOk = true;
};
