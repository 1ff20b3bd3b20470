#include "utility/ui/display_names_win.h"

#include "utility/res/resource.h"

namespace {

constexpr DWORD kMainWindowSearchMs = 5000;
constexpr DWORD kMainWindowRetryMs = 100;

HMONITOR MonitorOfWindow(HWND window, std::string& name) {
    const DWORD deadline = ::GetTickCount() + kMainWindowSearchMs;
    for (;;) {
        HWND target = window ? window : ::FindWindowA(DIMORA_MAIN_CLASS, nullptr);
        if (target) {
            if (HMONITOR monitor = ::MonitorFromWindow(target, MONITOR_DEFAULTTONULL))
                return monitor;
        }
        if (window) {
            name.clear(); // a window that lies on no monitor
            return nullptr;
        }
        // The main window may not exist yet while the program starts.
        if (static_cast<LONG>(::GetTickCount() - deadline) > 0)
            return nullptr;
        ::Sleep(kMainWindowRetryMs);
    }
}

} // namespace

void GetDisplayDeviceName(std::string& name, HWND window, bool atCursor) {
    HMONITOR monitor = nullptr;
    if (atCursor) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        monitor = ::MonitorFromPoint(cursor, MONITOR_DEFAULTTONULL);
    } else {
        monitor = MonitorOfWindow(window, name);
    }
    if (!monitor)
        return;
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        name = info.szDevice;
}
