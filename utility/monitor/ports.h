// The monitor layer's only ways to the platform. Each port mirrors platform calls one to one and
// holds no logic: the Windows build implements them with the real calls, tests and diagnostics
// with the simulator.
#pragma once

#include "monitor_types.h"

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

// The ports the monitor layer works through; not owned.
struct MonitorPorts {
    DdcPort& ddc;
    ClockPort& clock;
    ProcessPort& processes;
};
