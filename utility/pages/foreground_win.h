// The windows the automatic mode switching looks at, asked of the system: the foreground
// window, its display, its process's executable (from a process snapshot) and its class.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/pages/foreground_port.h"

class ForegroundWin : public ForegroundPort {
  public:
    // The display configuration changed: a window's display is asked for again.
    void ForgetDisplays() { m_known = {}; }

    WindowHandle ForegroundWindow() override;
    bool IsShownWindow(WindowHandle window) override;
    std::string DisplayDeviceName(WindowHandle window) override;
    bool ProcessFileOf(WindowHandle window, std::string& exeFile) override;
    std::string ClassName(WindowHandle window) override;
    WindowHandle ChildWindowOfClass(WindowHandle parent, const std::string& className) override;
    std::vector<TopWindow> TopLevelWindows() override;
    void WaitCursor(bool on) override;

  private:
    // The display of the last window asked about, kept while the window neither moves nor changes
    // size: asking the system for a window's monitor is slow under some systems (a tenth of a
    // millisecond), and the watcher asks ten times a second.
    struct KnownDisplay {
        WindowHandle window = nullptr;
        RECT rect{};
        std::string device;
    };

    ToolhelpProcessPort m_processes;
    KnownDisplay m_known;
    HCURSOR m_cursorBeforeWait = nullptr;
};
