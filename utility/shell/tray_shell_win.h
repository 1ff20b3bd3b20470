// The notification icon's shell calls for one window: Shell_NotifyIconA with the full record
// of Windows Vista and later.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "utility/shell/tray_icon.h"

class TrayShellWin : public TrayShellPort {
  public:
    void SetWindow(HWND window) { m_window = window; }

    bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) override;
    std::uint32_t LastError() override { return ::GetLastError(); }
    void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
    void ReportAddFailure() override;

  private:
    HWND m_window = nullptr;
};
