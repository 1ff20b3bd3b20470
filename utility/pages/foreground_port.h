// What the automatic mode switching needs to know about windows: the foreground window, the
// display that shows a window, and the application a window belongs to. The Windows build asks
// the system; tests answer from a table.
#pragma once

#include "utility/ui/shell_state.h"

#include <string>
#include <vector>

class ForegroundPort {
  public:
    virtual ~ForegroundPort() = default;
    // GetForegroundWindow.
    virtual WindowHandle ForegroundWindow() = 0;
    // A window that is visible and not minimised.
    virtual bool IsShownWindow(WindowHandle window) = 0;
    // The display device name of the monitor that holds `window`; empty when it lies on none.
    virtual std::string DisplayDeviceName(WindowHandle window) = 0;
    // The executable file of the window's process, from a process snapshot; false when the
    // process is not found (it has ended).
    virtual bool ProcessFileOf(WindowHandle window, std::string& exeFile) = 0;
    // The window's class name.
    virtual std::string ClassName(WindowHandle window) = 0;
    // The first child of `parent` of class `className` (FindWindowEx); null when it has none.
    virtual WindowHandle ChildWindowOfClass(WindowHandle parent, const std::string& className) = 0;

    struct TopWindow {
        WindowHandle window = nullptr;
        bool visible = false;
        bool systemMenu = false; // has the system-menu style
        std::string exeFile;     // its process's executable file; empty when not found
    };
    // Every top-level window (EnumWindows), their processes from one process snapshot.
    virtual std::vector<TopWindow> TopLevelWindows() = 0;
    // The wait cursor while adjustment data is written (on), then the cursor before it (off).
    virtual void WaitCursor(bool on) = 0;
};
