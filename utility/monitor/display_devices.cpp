#include "utility/monitor/display_devices.h"

#include <string>

bool IsMultiDisplay(GammaPort& devices) {
    int count = 0;
    std::string name;
    std::uint32_t flags = 0;
    for (std::uint32_t i = 0; devices.EnumDisplayDevice(i, name, flags); ++i) {
        if ((flags & kDisplayDeviceAttachedToDesktop) && !(flags & kDisplayDeviceMirroringDriver))
            ++count;
    }
    return count > 1;
}

bool DisplayLayout::IsMultiDisplay() {
    if (!m_multiDisplay)
        m_multiDisplay = ::IsMultiDisplay(m_devices);
    return *m_multiDisplay;
}
