// The monitor layer's ports implemented with the real Windows calls. Each class forwards to the
// platform and holds no logic of its own.
#pragma once

#include "utility/monitor/ports.h"

// The monitor-configuration service of dxva2.dll.
class Dxva2DdcPort : public DdcPort {
  public:
    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override;
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override;
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override;
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override;
};

// Desktop monitors from user32, physical monitors from dxva2.dll.
class Win32DisplayPort : public DisplayPort {
  public:
    bool EnumDisplayMonitors(std::vector<DesktopMonitor>& monitors) override;
    bool GetMonitorInfo(DesktopMonitor monitor, DesktopMonitorInfo& info) override;
    bool GetNumberOfPhysicalMonitors(DesktopMonitor monitor, std::uint32_t& count) override;
    bool GetPhysicalMonitors(DesktopMonitor monitor, std::uint32_t count,
                             std::vector<PhysicalMonitorInfo>& physical) override;
    bool DestroyPhysicalMonitors(const std::vector<PhysicalHandle>& handles) override;
};

// Sleep and GetTickCount.
class Win32Clock : public ClockPort {
  public:
    void Sleep(std::uint32_t ms) override;
    std::uint32_t TickCount() override;
};

// The process table through a toolhelp snapshot.
class ToolhelpProcessPort : public ProcessPort {
  public:
    std::uint32_t CurrentProcessId() override;
    bool Snapshot(std::vector<ProcessInfo>& processes) override;
};

// The maker's monitor-information library, libpanq.dll, linked through its import library.
class PanqLibraryPort : public PanqPort {
  public:
    int PnqFindMonitors(int* count, int option) override;
    int PnqGetMonitorInfo(int index, std::uint8_t* record, int option) override;
};
