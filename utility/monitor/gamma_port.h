// The display-device and gamma-ramp calls the gamma layer needs. Like the other ports it mirrors
// the platform calls one to one and holds no logic.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// A display device context (an HDC); null when none could be created.
using DeviceContext = void*;

// Red 0-255, green 256-511, blue 512-767.
inline constexpr std::size_t kGammaRampSize = 768;
using GammaRamp = std::array<std::uint16_t, kGammaRampSize>;

// DISPLAY_DEVICE_ATTACHED_TO_DESKTOP in a display device's state flags.
inline constexpr std::uint32_t kDisplayDeviceAttachedToDesktop = 0x1;

class GammaPort {
  public:
    virtual ~GammaPort() = default;
    // EnumDisplayDevicesA(nullptr, index, ...) with the structure's size set before the call:
    // false when there is no device at `index`, else its DeviceName and StateFlags.
    virtual bool EnumDisplayDevice(std::uint32_t index, std::string& deviceName,
                                   std::uint32_t& stateFlags) = 0;
    // CreateDCA(deviceName, nullptr, nullptr, nullptr).
    virtual DeviceContext CreateDc(const char* deviceName) = 0;
    // GetDeviceGammaRamp; the entries are in the device's 16-bit scale.
    virtual bool GetDeviceGammaRamp(DeviceContext dc, GammaRamp& ramp) = 0;
    // SetDeviceGammaRamp; the entries are in the device's 16-bit scale.
    virtual bool SetDeviceGammaRamp(DeviceContext dc, const GammaRamp& ramp) = 0;
    // DeleteDC.
    virtual void DeleteDc(DeviceContext dc) = 0;
};
