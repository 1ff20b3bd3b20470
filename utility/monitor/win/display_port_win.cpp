#include "utility/monitor/win/ports_win.h"
#include "utility/monitor/win/windows_win.h"

#include <cwchar>

static_assert(sizeof(MONITORINFOEXA) == 72, "MONITORINFOEXA as the platform defines it");

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<DesktopMonitor>*>(data)->push_back(monitor);
    return TRUE;
}

DesktopRect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A physical monitor's description in the ANSI code page; the field need not end in a zero.
std::string ToAnsi(const WCHAR (&text)[PHYSICAL_MONITOR_DESCRIPTION_SIZE]) {
    const int length = static_cast<int>(wcsnlen(text, PHYSICAL_MONITOR_DESCRIPTION_SIZE));
    if (length == 0)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

} // namespace

bool Win32DisplayPort::EnumDisplayMonitors(std::vector<DesktopMonitor>& monitors) {
    monitors.clear();
    return ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor,
                                 reinterpret_cast<LPARAM>(&monitors)) != FALSE;
}

bool Win32DisplayPort::GetMonitorInfo(DesktopMonitor monitor, DesktopMonitorInfo& info) {
    MONITORINFOEXA raw{};
    raw.cbSize = sizeof(raw);
    if (!::GetMonitorInfoA(static_cast<HMONITOR>(monitor), &raw))
        return false;
    info.monitor = ToRect(raw.rcMonitor);
    info.work = ToRect(raw.rcWork);
    info.flags = raw.dwFlags;
    info.device.assign(raw.szDevice, strnlen(raw.szDevice, sizeof(raw.szDevice)));
    return true;
}

bool Win32DisplayPort::GetNumberOfPhysicalMonitors(DesktopMonitor monitor, std::uint32_t& count) {
    DWORD value = 0;
    const BOOL ok =
        ::GetNumberOfPhysicalMonitorsFromHMONITOR(static_cast<HMONITOR>(monitor), &value);
    count = value;
    return ok != FALSE;
}

bool Win32DisplayPort::GetPhysicalMonitors(DesktopMonitor monitor, std::uint32_t count,
                                           std::vector<PhysicalMonitorInfo>& physical) {
    std::vector<PHYSICAL_MONITOR> raw(count);
    if (!::GetPhysicalMonitorsFromHMONITOR(static_cast<HMONITOR>(monitor), count, raw.data()))
        return false;
    physical.clear();
    for (const auto& entry : raw)
        physical.push_back({entry.hPhysicalMonitor, ToAnsi(entry.szPhysicalMonitorDescription)});
    return true;
}

bool Win32DisplayPort::DestroyPhysicalMonitors(const std::vector<PhysicalHandle>& handles) {
    std::vector<PHYSICAL_MONITOR> raw(handles.size());
    for (std::size_t i = 0; i < handles.size(); ++i)
        raw[i].hPhysicalMonitor = handles[i];
    return ::DestroyPhysicalMonitors(static_cast<DWORD>(raw.size()), raw.data()) != FALSE;
}
