// The notification icon's shell calls for one window: Shell_NotifyIconA with the full record of
// Windows Vista and later, and the icons at the size the notification area shows.
#pragma once

#include "framework/handles_win.h"
#include "utility/shell/tray_icon.h"

#include <map>

class TrayShellWin : public TrayShellPort {
  public:
    void SetWindow(HWND window) { m_window = window; }

    bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) override;
    std::uint32_t LastError() override { return ::GetLastError(); }
    void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
    void ReportAddFailure() override;

  private:
    // Each icon is loaded once, at the small-icon size, and kept until the window goes.
    HICON SmallIcon(std::uint32_t iconId);

    HWND m_window = nullptr;
    std::map<std::uint32_t, ScopedIcon> m_icons;
};

// Icon resource `id` of `module` at the system's small-icon size, owned by the caller. A large
// icon would be scaled down by the shell, blurring it.
ScopedIcon LoadSmallIcon(HINSTANCE module, UINT id);

// Lets Explorer's "TaskbarCreated" (`message`) reach `window` when the program runs with higher
// rights than Explorer (started "as administrator", from an installer): user-interface isolation
// would otherwise filter it out and the icon would never come back. Answers whether the filter
// now lets it through; false on a system without message filters.
bool AllowTaskbarCreated(HWND window, UINT message);
