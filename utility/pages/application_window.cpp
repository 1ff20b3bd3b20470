#include "utility/pages/application_window.h"

WindowHandle ApplicationWindow(ForegroundPort& windows, WindowHandle window,
                               const std::string& className) {
    if (className != kFrameWindowClass)
        return window;
    return windows.ChildWindowOfClass(window, kCoreWindowClass);
}
