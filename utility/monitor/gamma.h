// The gamma ramp of one display device, used to darken or lighten the whole screen without
// DDC/CI, and the program-wide list of such devices.
#pragma once

#include "utility/monitor/gamma_port.h"
#include "utility/monitor/ports.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Longest display device name kept; longer names are cut.
inline constexpr std::size_t kGammaDeviceNameMax = 32;
// `deviceName` as a gamma object keeps it: up to its first zero, at most kGammaDeviceNameMax.
std::string KeptDeviceName(std::string_view deviceName);

class CGamma {
  public:
    CGamma(GammaPort& port, ClockPort& clock) : m_port(port), m_clock(clock) {}
    CGamma(const CGamma&) = delete;
    CGamma& operator=(const CGamma&) = delete;
    virtual ~CGamma() = default;

    // Keeps the device name and the device's current ramp as the device gives it (16 bits an
    // entry, so a calibrated ramp comes back whole), and decides whether the device is usable:
    // its ramp can be read, written and read back unchanged.
    void Init(std::string_view deviceName);

    // One device transaction each, on ramps in the 0-255 scale; a failing call is retried every
    // 100 ms for up to 5 s. A failed read leaves `ramp` untouched; a write never changes it.
    bool ReadRamp(GammaRamp& ramp);
    bool WriteRamp(const GammaRamp& ramp);

    // Takes over what `previous` (the same device in an earlier list) learnt at its Init: the
    // ramp the device had then and whether it is usable. The device's ramp now may carry the
    // screen filter's luminance, so reading it again would make the shift "the original".
    void InitFrom(const CGamma& previous);

    // Writes back the ramp the device had at Init. Does nothing on an unusable device.
    void Restore();
    // The device's own ramp shifted to run from `level` up to 255 (below 0 clipped to 0), each
    // colour as the device had it: level 0 is that ramp itself; over the identity ramp, entry i
    // is level + i x (255 - level) / 255. Does nothing on an unusable device.
    void ApplyLuminance(int level);

    const std::string& DeviceName() const { return m_deviceName; }
    bool IsUsable() const { return m_usable; }
    // The ramp the device had at Init, in the device's 16-bit scale.
    const GammaRamp& SavedRamp() const { return m_savedRamp; }

  private:
    // Creates the device context, runs `call` with retries and deletes the context again.
    template <typename Call> bool Transaction(Call call);
    // Read and write in the device's own 16-bit scale.
    bool ReadDeviceRamp(GammaRamp& ramp);
    bool WriteDeviceRamp(const GammaRamp& ramp);

    GammaPort& m_port;
    ClockPort& m_clock;
    GammaRamp m_savedRamp{};
    bool m_usable = false;
    std::string m_deviceName;
};

using GammaList = std::vector<std::unique_ptr<CGamma>>;

// One initialised CGamma per display device attached to the desktop, in enumeration order. A
// device that `previous` already holds keeps what that list learnt at its start (InitFrom).
GammaList BuildGammaDevices(GammaPort& port, ClockPort& clock, const GammaList& previous = {});

// Applies the screen filter's luminance to the device named exactly `deviceName`: with
// `resetFirst` the identity ramp first, then `luminance`. False when no device has that name.
bool ApplyFilterLuminance(GammaList& list, std::string_view deviceName, int luminance,
                          bool resetFirst = true);
