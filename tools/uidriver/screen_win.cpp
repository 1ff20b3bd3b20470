#include "tools/uidriver/screen_win.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// Wine's X11 driver shows the notification icons, when no desktop shell takes them, in a window
// of its own with one child window per icon.
constexpr const char* kWineTrayClass = "__winex11_standalone_tray";
constexpr const char* kWineTrayIconClass = "__winex11_tray_icon";
// Pixels at 96 dpi between the parked notification area and the screen's right edge.
constexpr int kTrayGapAt96 = 200;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The file name of process `pid`'s executable, in lower case; empty when it cannot be read.
std::string ExecutableName(DWORD pid) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return {};
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const BOOL read = ::QueryFullProcessImageNameA(process, 0, path, &size);
    ::CloseHandle(process);
    if (!read)
        return {};
    const std::string full(path, size);
    const std::size_t slash = full.find_last_of("\\/");
    return Lower(slash == std::string::npos ? full : full.substr(slash + 1));
}

// Pixels kept around a frame's windows at 96 dpi, and around them without their overlays.
constexpr int kMargin = 16;
constexpr int kOverlayMargin = 64;

bool IsOverlay(HWND window) {
    const LONG_PTR extended = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    return (extended & WS_EX_LAYERED) && (extended & WS_EX_TRANSPARENT);
}

struct FrameSearch {
    std::string exeName;
    DWORD trayPid;
    bool withOverlays;
    RECT frame;
    HWND top; // the first window found, the highest in the z-order
};

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<FrameSearch*>(data);
    RECT rect{};
    // A minimised window is on the taskbar under Windows; Wine without a desktop shell leaves its
    // title bar in a screen corner, which belongs to no picture.
    if (!::IsWindowVisible(window) || ::IsIconic(window) || !::GetWindowRect(window, &rect) ||
        ::IsRectEmpty(&rect) || (!search.withOverlays && IsOverlay(window)))
        return TRUE;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if ((search.trayPid == 0 || pid != search.trayPid) && ExecutableName(pid) != search.exeName)
        return TRUE;
    if (search.top) {
        ::UnionRect(&search.frame, &search.frame, &rect);
    } else {
        search.frame = rect;
        search.top = window;
    }
    return TRUE;
}

FrameSearch FindProgramWindows(const std::string& exeName, FrameKind kind) {
    FrameSearch search{Lower(exeName), 0, kind != FrameKind::WithoutOverlays, RECT{}, nullptr};
    if (kind == FrameKind::WithTray) {
        if (const HWND tray = ::FindWindowA(kWineTrayClass, nullptr))
            ::GetWindowThreadProcessId(tray, &search.trayPid);
    }
    ::EnumWindows(&AddVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search;
}

int ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

HWND FirstTrayIcon() {
    const HWND tray = ::FindWindowA(kWineTrayClass, nullptr);
    return tray ? ::FindWindowExA(tray, nullptr, kWineTrayIconClass, nullptr) : nullptr;
}

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = ::MulDiv(x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ::MulDiv(y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    ::SendInput(1, &input, sizeof input);
}

} // namespace

std::string ProgramFrame(const std::string& exeName, FrameKind kind) {
    const FrameSearch search = FindProgramWindows(exeName, kind);
    if (!search.top)
        return {};
    RECT frame = search.frame;
    const int margin =
        ::MulDiv(kind == FrameKind::WithoutOverlays ? kOverlayMargin : kMargin, ScreenDpi(), 96);
    ::InflateRect(&frame, margin, margin);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&frame, &frame, &screen);
    char geometry[64] = {};
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", frame.right - frame.left,
                  frame.bottom - frame.top, frame.left, frame.top);
    return geometry;
}

HWND TopProgramWindow(const std::string& exeName) {
    return FindProgramWindows(exeName, FrameKind::WithoutOverlays).top;
}

bool ParkTrayInCorner() {
    const HWND tray = ::FindWindowA(kWineTrayClass, nullptr);
    RECT rect{};
    if (!tray || !::GetWindowRect(tray, &rect))
        return false;
    const int x = ::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left) -
                  ::MulDiv(kTrayGapAt96, ScreenDpi(), 96);
    const int y = ::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top);
    return ::SetWindowPos(tray, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RightClickTrayIcon() {
    const HWND icon = FirstTrayIcon();
    RECT rect{};
    if (!icon || !::GetWindowRect(icon, &rect))
        return false;
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    ::Sleep(100);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    ::Sleep(50);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    return true;
}

void ActivateAgain(HWND window) {
    if (const HWND tray = ::FindWindowA(kWineTrayClass, nullptr)) {
        ::SetForegroundWindow(tray);
        ::Sleep(100);
    }
    ::SetForegroundWindow(window);
}
