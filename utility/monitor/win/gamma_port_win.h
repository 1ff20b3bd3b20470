// The gamma layer's port implemented with the real display-device and GDI calls.
#pragma once

#include "utility/monitor/gamma_port.h"

class Win32GammaPort : public GammaPort {
  public:
    bool EnumDisplayDevice(std::uint32_t index, std::string& deviceName,
                           std::uint32_t& stateFlags) override;
    DeviceContext CreateDc(const char* deviceName) override;
    bool GetDeviceGammaRamp(DeviceContext dc, GammaRamp& ramp) override;
    bool SetDeviceGammaRamp(DeviceContext dc, const GammaRamp& ramp) override;
    void DeleteDc(DeviceContext dc) override;
};
