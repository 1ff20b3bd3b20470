// The windows the automatic mode switching looks at, asked of the system: the foreground
// window, its display, its process's executable (from a process snapshot) and its class.
#pragma once

#include "utility/monitor/win/ports_win.h"
#include "utility/pages/foreground_port.h"

class ForegroundWin : public ForegroundPort {
  public:
    WindowHandle ForegroundWindow() override;
    bool IsShownWindow(WindowHandle window) override;
    std::string DisplayDeviceName(WindowHandle window) override;
    bool ProcessFileOf(WindowHandle window, std::string& exeFile) override;
    std::string ClassName(WindowHandle window) override;
    std::vector<TopWindow> TopLevelWindows() override;

  private:
    ToolhelpProcessPort m_processes;
};
