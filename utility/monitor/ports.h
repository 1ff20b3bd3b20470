// The monitor layer's only ways to the platform. Each port mirrors platform calls one to one and
// holds no logic: the Windows build implements them with the real calls, tests and diagnostics
// with the simulator.
#pragma once

#include "utility/monitor/monitor_types.h"
#include "utility/text/code_page.h"

#include <cstdint>
#include <string>
#include <vector>

// The monitor-configuration service's DDC/CI calls on one physical monitor.
class DdcPort {
  public:
    virtual ~DdcPort() = default;
    // GetVCPFeatureAndVCPFeatureReply; the code type is not reported.
    virtual bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                               std::uint32_t& maximum) = 0;
    // SetVCPFeature.
    virtual bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) = 0;
    // GetCapabilitiesStringLength.
    virtual bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) = 0;
    // CapabilitiesRequestAndCapabilitiesReply into a buffer of `length` bytes.
    virtual bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                             std::uint32_t length) = 0;
};

// Sleep and GetTickCount.
class ClockPort {
  public:
    virtual ~ClockPort() = default;
    virtual void Sleep(std::uint32_t ms) = 0;
    virtual std::uint32_t TickCount() = 0;
};

struct ProcessInfo {
    std::uint32_t id = 0;
    std::string exeFile; // as the process snapshot reports it
};

// The process snapshot and this program's own identifier.
class ProcessPort {
  public:
    virtual ~ProcessPort() = default;
    virtual std::uint32_t CurrentProcessId() = 0;
    // False when no snapshot could be taken.
    virtual bool Snapshot(std::vector<ProcessInfo>& processes) = 0;
};

struct DesktopRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// MONITORINFOEXA.
struct DesktopMonitorInfo {
    DesktopRect monitor;
    DesktopRect work;
    std::uint32_t flags = 0;
    std::string device; // for example \\.\DISPLAY1
};

// One PHYSICAL_MONITOR, its description converted to the ANSI code page.
struct PhysicalMonitorInfo {
    PhysicalHandle handle = nullptr;
    std::string description;
};

// Desktop-monitor enumeration and the monitor-configuration service's physical monitors.
class DisplayPort {
  public:
    virtual ~DisplayPort() = default;
    // EnumDisplayMonitors without device context or clip rectangle; false when the call fails.
    virtual bool EnumDisplayMonitors(std::vector<DesktopMonitor>& monitors) = 0;
    virtual bool GetMonitorInfo(DesktopMonitor monitor, DesktopMonitorInfo& info) = 0;
    virtual bool GetNumberOfPhysicalMonitors(DesktopMonitor monitor, std::uint32_t& count) = 0;
    virtual bool GetPhysicalMonitors(DesktopMonitor monitor, std::uint32_t count,
                                     std::vector<PhysicalMonitorInfo>& physical) = 0;
    virtual bool DestroyPhysicalMonitors(const std::vector<PhysicalHandle>& handles) = 0;
};

// The record the maker's monitor-information library fills for one monitor. Only the desktop
// position is read: left edge at byte 28, top edge at byte 32, both 32-bit signed.
inline constexpr std::size_t kPnqMonitorInfoSize = 668;
inline constexpr std::size_t kPnqDesktopLeftOffset = 28;
inline constexpr std::size_t kPnqDesktopTopOffset = 32;

// The maker's monitor-information library (C calling convention on Windows).
class PanqPort {
  public:
    virtual ~PanqPort() = default;
    // PnqFindMonitors; the count is what matters.
    virtual int PnqFindMonitors(int* count, int option) = 0;
    // PnqGetMonitorInfo into a kPnqMonitorInfoSize-byte record; below 0 means failure.
    virtual int PnqGetMonitorInfo(int index, std::uint8_t* record, int option) = 0;
};

// The ports the monitor layer works through; not owned.
struct MonitorPorts {
    DdcPort& ddc;
    ClockPort& clock;
    ProcessPort& processes;
    DisplayPort& display;
    PanqPort& panq;
    const CodePage& codePage; // of the process table's file names
};
