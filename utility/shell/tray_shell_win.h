// The notification icon's shell calls for one window: Shell_NotifyIconA with the full record of
// Windows Vista and later, the reminder's balloon, the icons at the size the notification area
// shows, and whether a screen saver runs.
#pragma once

#include "framework/handles_win.h"
#include "utility/shell/tray_icon.h"
#include "utility/text/code_page.h"
#include "utility/text/code_page_win.h"

#include <shellapi.h>

#include <map>

class TrayShellWin : public TrayShellPort {
  public:
    void SetWindow(HWND window) { m_window = window; }

    bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) override;
    bool NotifyBalloon(const BalloonRecord& record) override;
    bool ScreenSaverRunning() override;
    std::uint32_t LastError() override { return ::GetLastError(); }
    void Sleep(std::uint32_t ms) override { ::Sleep(ms); }

  private:
    // Each icon is loaded once, at the small-icon size, and kept until the window goes.
    HICON SmallIcon(std::uint32_t iconId);

    HWND m_window = nullptr;
    std::map<std::uint32_t, ScopedIcon> m_icons;
    SystemCodePage m_codePage;
};

// The icon record of `window` with `icon`, the callback message and `tip`: its size is the
// structure's own for this build (508 bytes in the 32-bit program, with every field of Vista
// and later), the tip cut after a whole character of `codePage` to fit its field.
NOTIFYICONDATAA IconData(HWND window, HICON icon, const std::string& tip, const CodePage& codePage);
// The same with `record`'s balloon: title and text each cut after a whole character to fit
// their fields, the timeout and the information icon.
NOTIFYICONDATAA BalloonIconData(HWND window, HICON icon, const BalloonRecord& record,
                                const CodePage& codePage);

// Icon resource `id` of `module` at the system's small-icon size, owned by the caller. A large
// icon would be scaled down by the shell, blurring it.
ScopedIcon LoadSmallIcon(HINSTANCE module, UINT id);

// Lets Explorer's "TaskbarCreated" (`message`) reach `window` when the program runs with higher
// rights than Explorer (started "as administrator", from an installer): user-interface isolation
// would otherwise filter it out and the icon would never come back. Answers whether the filter
// now lets it through; false on a system without message filters.
bool AllowTaskbarCreated(HWND window, UINT message);
