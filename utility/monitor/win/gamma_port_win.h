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

    // The first entry, in the 0-255 scale, of the ramp last given to SetDeviceGammaRamp (whether
    // the display took it or not); -1 before any. Where the display answers no gamma calls,
    // this record is what tests read the screen filter's luminance from.
    int LastRampStart() const { return m_lastRampStart; }

  private:
    int m_lastRampStart = -1;
};
