#include "utility/monitor/gamma.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// A failed gamma call is repeated after this pause ...
constexpr std::uint32_t kRetryPauseMs = 100;
// ... for as long as the transaction has not run longer than this.
constexpr std::uint32_t kTransactionLimitMs = 5000;

// The 0-255 scale of ReadRamp and WriteRamp is the upper byte of the device's 16-bit entries.
constexpr unsigned kRampShift = 8;
// A 0-255 entry as a full 16-bit one (255 is 0xFFFF, as the system's identity ramp has it).
constexpr double kEntryScale = 257.0;

} // namespace

std::string KeptDeviceName(std::string_view deviceName) {
    return std::string(deviceName.substr(0, std::min(deviceName.find('\0'), kGammaDeviceNameMax)));
}

GammaRamp LuminanceRamp(const GammaRamp& deviceRamp, int level) {
    const double step = (255 - level) / 255.0;
    GammaRamp ramp;
    for (std::size_t i = 0; i < kGammaRampSize; ++i) {
        // The device's entry in the 0-255 scale, shifted; x lies between `level` and 255, so it
        // always fits an int.
        const double x = std::max(level + deviceRamp[i] / kEntryScale * step, 0.0);
        ramp[i] = static_cast<std::uint16_t>(static_cast<int>(x) * kEntryScale);
    }
    return ramp;
}

bool WithinWindowsGammaRange(const GammaRamp& ramp) {
    for (std::size_t i = 0; i < kGammaRampSize; ++i) {
        const int identity = static_cast<int>(i % 256);
        if (std::abs((ramp[i] >> kRampShift) - identity) > kWindowsGammaRange)
            return false;
    }
    return true;
}

template <typename Call> bool CGamma::Transaction(Call call) {
    const DeviceContext dc = m_port.CreateDc(m_deviceName.c_str());
    if (!dc)
        return false;
    // Unsigned difference, so a tick count that wraps around during the wait still ends it.
    const std::uint32_t start = m_clock.TickCount();
    bool ok = false;
    while (!(ok = call(dc))) {
        m_clock.Sleep(kRetryPauseMs);
        if (m_clock.TickCount() - start > kTransactionLimitMs)
            break;
    }
    m_port.DeleteDc(dc);
    return ok;
}

void CGamma::Init(std::string_view deviceName) {
    m_usable = true;
    m_deviceName = KeptDeviceName(deviceName);

    if (!ReadDeviceRamp(m_savedRamp) || !WriteDeviceRamp(m_savedRamp)) {
        // Already unusable: reading again would only wait out another time-out.
        m_usable = false;
        return;
    }
    // A driver may adjust what it is given; such a device cannot be restored faithfully.
    GammaRamp check{};
    if (!ReadDeviceRamp(check) || check != m_savedRamp)
        m_usable = false;
}

bool CGamma::ReadDeviceRamp(GammaRamp& ramp) {
    GammaRamp device{};
    if (!Transaction([&](DeviceContext dc) { return m_port.GetDeviceGammaRamp(dc, device); }))
        return false;
    ramp = device;
    return true;
}

bool CGamma::WriteDeviceRamp(const GammaRamp& ramp) {
    return Transaction([&](DeviceContext dc) { return m_port.SetDeviceGammaRamp(dc, ramp); });
}

bool CGamma::ReadRamp(GammaRamp& ramp) {
    GammaRamp device{};
    if (!ReadDeviceRamp(device))
        return false;
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        ramp[i] = static_cast<std::uint16_t>(device[i] >> kRampShift);
    return true;
}

bool CGamma::WriteRamp(const GammaRamp& ramp) {
    GammaRamp device;
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        device[i] = static_cast<std::uint16_t>(ramp[i] << kRampShift);
    return WriteDeviceRamp(device);
}

void CGamma::InitFrom(const CGamma& previous) {
    m_deviceName = previous.m_deviceName;
    m_savedRamp = previous.m_savedRamp;
    m_usable = previous.m_usable;
}

// Windows refuses a ramp for what the session or the adapter is (Remote Desktop, the basic
// display adapter, an indirect display) or for what the ramp is, and waiting changes neither:
// once refused, the device takes no more ramps until the list is built again. Windows may also
// answer TRUE and keep the ramp it had, so only the ramp read back tells. It is compared in the
// 0-255 scale: a driver whose hardware has fewer than 16 bits keeps the most significant ones,
// without rounding (DrvIcmSetDeviceGammaRamp).
void CGamma::WriteChecked(const GammaRamp& ramp) {
    const DeviceContext dc = m_port.CreateDc(m_deviceName.c_str());
    if (!dc) {
        m_refused = true;
        return;
    }
    const bool set = m_port.SetDeviceGammaRamp(dc, ramp);
    GammaRamp back{};
    const bool read = m_port.GetDeviceGammaRamp(dc, back);
    m_port.DeleteDc(dc);
    m_readBackStart = read ? back[0] >> kRampShift : -1;
    const bool taken = read && std::equal(ramp.begin(), ramp.end(), back.begin(),
                                          [](std::uint16_t asked, std::uint16_t got) {
                                              return asked >> kRampShift == got >> kRampShift;
                                          });
    if (!set || !taken)
        m_refused = true;
}

void CGamma::Restore() {
    if (m_usable)
        WriteChecked(m_savedRamp);
}

void CGamma::ApplyLuminance(int level) {
    if (!IsUsable())
        return;
    WriteChecked(level == 0 ? m_savedRamp : LuminanceRamp(m_savedRamp, level));
}

GammaList BuildGammaDevices(GammaPort& port, ClockPort& clock, const GammaList& previous) {
    GammaList list;
    std::string name;
    std::uint32_t flags = 0;
    for (std::uint32_t index = 0; port.EnumDisplayDevice(index, name, flags); ++index) {
        if (!(flags & kDisplayDeviceAttachedToDesktop))
            continue;
        auto gamma = std::make_unique<CGamma>(port, clock);
        const auto known = std::find_if(previous.begin(), previous.end(), [&](const auto& old) {
            return old->DeviceName() == KeptDeviceName(name);
        });
        if (known != previous.end())
            gamma->InitFrom(**known);
        else
            gamma->Init(name);
        list.push_back(std::move(gamma));
    }
    return list;
}

bool ApplyFilterLuminance(GammaList& list, std::string_view deviceName, int luminance,
                          bool resetFirst) {
    for (auto& gamma : list) {
        if (gamma->DeviceName() == deviceName) {
            if (resetFirst)
                gamma->ApplyLuminance(0);
            gamma->ApplyLuminance(luminance);
            return true;
        }
    }
    return false;
}
