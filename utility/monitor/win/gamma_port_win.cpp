#include "utility/monitor/win/gamma_port_win.h"

#include "utility/monitor/win/windows_win.h"

#include <cstring>

static_assert(sizeof(DISPLAY_DEVICEA) == 424, "DISPLAY_DEVICEA as the platform defines it");
// GetDeviceGammaRamp and SetDeviceGammaRamp take three consecutive 256-entry WORD arrays.
static_assert(sizeof(GammaRamp) == 3 * 256 * sizeof(WORD));

bool Win32GammaPort::EnumDisplayDevice(std::uint32_t index, std::string& deviceName,
                                       std::uint32_t& stateFlags) {
    DISPLAY_DEVICEA device{};
    device.cb = sizeof(device);
    if (!::EnumDisplayDevicesA(nullptr, index, &device, 0))
        return false;
    deviceName.assign(device.DeviceName, strnlen(device.DeviceName, sizeof(device.DeviceName)));
    stateFlags = device.StateFlags;
    return true;
}

DeviceContext Win32GammaPort::CreateDc(const char* deviceName) {
    return ::CreateDCA(deviceName, nullptr, nullptr, nullptr);
}

bool Win32GammaPort::GetDeviceGammaRamp(DeviceContext dc, GammaRamp& ramp) {
    return ::GetDeviceGammaRamp(static_cast<HDC>(dc), ramp.data()) != FALSE;
}

bool Win32GammaPort::SetDeviceGammaRamp(DeviceContext dc, const GammaRamp& ramp) {
    // The call does not change the ramp; its parameter is not const only by history.
    GammaRamp copy = ramp;
    return ::SetDeviceGammaRamp(static_cast<HDC>(dc), copy.data()) != FALSE;
}

void Win32GammaPort::DeleteDc(DeviceContext dc) {
    ::DeleteDC(static_cast<HDC>(dc));
}
