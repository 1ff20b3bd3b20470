#include "utility/pages/foreground_win.h"

#include "utility/ui/display_names_win.h"

namespace {

constexpr int kClassNameCapacity = 128;

HWND Hwnd(WindowHandle window) {
    return static_cast<HWND>(window);
}

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<std::vector<ForegroundPort::TopWindow>*>(data);
    windows.push_back({window,
                       ::IsWindowVisible(window) != FALSE,
                       (::GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU) != 0,
                       {}});
    return TRUE;
}

const ProcessInfo* FindProcess(const std::vector<ProcessInfo>& processes, DWORD pid) {
    for (const ProcessInfo& process : processes) {
        if (process.id == pid)
            return &process;
    }
    return nullptr;
}

DWORD ProcessIdOf(WindowHandle window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(Hwnd(window), &pid);
    return pid;
}

} // namespace

WindowHandle ForegroundWin::ForegroundWindow() {
    return ::GetForegroundWindow();
}

bool ForegroundWin::IsShownWindow(WindowHandle window) {
    const HWND hwnd = Hwnd(window);
    return ::IsWindow(hwnd) && ::IsWindowVisible(hwnd) && !::IsIconic(hwnd);
}

std::string ForegroundWin::DisplayDeviceName(WindowHandle window) {
    RECT rect{};
    ::GetWindowRect(Hwnd(window), &rect);
    // Compared here rather than with EqualRect: this runs at every tick of the watcher.
    if (window == m_known.window && rect.left == m_known.rect.left &&
        rect.top == m_known.rect.top && rect.right == m_known.rect.right &&
        rect.bottom == m_known.rect.bottom)
        return m_known.device;
    std::string name;
    GetDisplayDeviceName(name, Hwnd(window), false);
    m_known = {window, rect, name};
    return name;
}

bool ForegroundWin::ProcessFileOf(WindowHandle window, std::string& exeFile) {
    const DWORD pid = ProcessIdOf(window);
    std::vector<ProcessInfo> processes;
    if (!pid || !m_processes.Snapshot(processes))
        return false;
    const ProcessInfo* process = FindProcess(processes, pid);
    if (process)
        exeFile = process->exeFile;
    return process != nullptr;
}

std::string ForegroundWin::ClassName(WindowHandle window) {
    char name[kClassNameCapacity + 1] = {};
    const int length = ::GetClassNameA(Hwnd(window), name, kClassNameCapacity);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

WindowHandle ForegroundWin::ChildWindowOfClass(WindowHandle parent, const std::string& className) {
    return ::FindWindowExA(Hwnd(parent), nullptr, className.c_str(), nullptr);
}

void ForegroundWin::WaitCursor(bool on) {
    if (on)
        m_cursorBeforeWait = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    else
        ::SetCursor(m_cursorBeforeWait);
}

std::vector<ForegroundPort::TopWindow> ForegroundWin::TopLevelWindows() {
    std::vector<TopWindow> windows;
    ::EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&windows));
    std::vector<ProcessInfo> processes;
    if (!m_processes.Snapshot(processes))
        return windows;
    for (TopWindow& top : windows) {
        if (const ProcessInfo* process = FindProcess(processes, ProcessIdOf(top.window)))
            top.exeFile = process->exeFile;
    }
    return windows;
}
