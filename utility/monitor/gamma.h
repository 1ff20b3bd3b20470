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

// `deviceRamp` (16 bits an entry) shifted by the screen filter's luminance `level`: each entry
// runs from `level` up to 255 in the 0-255 scale (below 0 clipped to 0), each colour as the
// device had it, written x 257. Over the identity ramp entry i is level + i x (255 - level) / 255.
GammaRamp LuminanceRamp(const GammaRamp& deviceRamp, int level);

// How far, in the 0-255 scale, an entry may stray from the identity (entry i = i) for Windows to
// take the ramp. SetDeviceGammaRamp checks every ramp against heuristics that keep the screen
// readable, and refuses a ramp beyond them or, on some versions, answers TRUE and keeps the old
// one (Microsoft's SetDeviceGammaRamp documentation); Microsoft gives no numbers. Only the
// machine-wide value GdiIcmGammaRange (key HKLM SOFTWARE\Microsoft\Windows NT\CurrentVersion\ICM)
// set to 256 lifts the bound, and the program never asks for it. Without it we keep 128, half the
// scale: the bound Windows programs have kept since Windows 2000 (id Software's Quake III Arena,
// code/win32/win_gamma.c, clamps entry i of the lower half to i + 128 for Windows 2000 and later).
inline constexpr int kWindowsGammaRange = 128;
// Every entry's upper byte lies within kWindowsGammaRange of its index.
bool WithinWindowsGammaRange(const GammaRamp& ramp);

class CGamma {
  public:
    CGamma(GammaPort& port, ClockPort& clock) : m_port(port), m_clock(clock) {}
    CGamma(const CGamma&) = delete;
    CGamma& operator=(const CGamma&) = delete;
    virtual ~CGamma() = default;

    // Keeps the device name and the device's current ramp as the device gives it (16 bits an
    // entry, so a calibrated ramp comes back whole), and decides whether the device is usable:
    // its ramp can be read, written and read back unchanged. A device slow to answer is waited
    // for (the transactions below).
    void Init(std::string_view deviceName);

    // One device transaction each, on ramps in the 0-255 scale; a failing call is retried every
    // 100 ms for up to 5 s. A failed read leaves `ramp` untouched; a write never changes it.
    bool ReadRamp(GammaRamp& ramp);
    bool WriteRamp(const GammaRamp& ramp);

    // Takes over what `previous` (the same device in an earlier list) learnt at its Init: the
    // ramp the device had then and whether it is usable. The device's ramp now may carry the
    // screen filter's luminance, so reading it again would make the shift "the original". A
    // refusal is not taken over: after a display change the device is tried again.
    void InitFrom(const CGamma& previous);

    // Writes back the ramp the device had at Init, once, also after a refusal: a device that
    // refused a shifted ramp may still take its own, and the screen must not stay tinted. Does
    // nothing on a device unusable from Init.
    void Restore();
    // LuminanceRamp of the ramp the device had at Init (level 0 is that ramp itself), written
    // once and read back. Does nothing on a device that is not usable or has refused.
    void ApplyLuminance(int level);

    const std::string& DeviceName() const { return m_deviceName; }
    // The device takes ramps: usable from Init, and no write refused or ignored since.
    bool IsUsable() const { return m_usable && !m_refused; }
    // The ramp the device had at Init, in the device's 16-bit scale.
    const GammaRamp& SavedRamp() const { return m_savedRamp; }
    // The first entry (0-255 scale) of the ramp read back after the last write, -1 when none
    // could be read.
    int ReadBackStart() const { return m_readBackStart; }

  private:
    // Creates the device context, runs `call` with retries and deletes the context again.
    template <typename Call> bool Transaction(Call call);
    // Read and write in the device's own 16-bit scale.
    bool ReadDeviceRamp(GammaRamp& ramp);
    bool WriteDeviceRamp(const GammaRamp& ramp);
    // One write without retries, then one read: a ramp refused, or taken and not set, marks the
    // device as refusing.
    void WriteChecked(const GammaRamp& ramp);

    GammaPort& m_port;
    ClockPort& m_clock;
    GammaRamp m_savedRamp{};
    bool m_usable = false;
    bool m_refused = false;
    int m_readBackStart = -1;
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
