// Questions about the display devices (graphics outputs) as the system enumerates them.
#pragma once

#include "utility/monitor/gamma_port.h"

#include <optional>

// DISPLAY_DEVICE_MIRRORING_DRIVER in a display device's state flags.
inline constexpr std::uint32_t kDisplayDeviceMirroringDriver = 0x8;

// More than one display device shows a part of the desktop. Outputs without a screen (every
// graphics card lists its unused connectors) and mirroring drivers do not count.
bool IsMultiDisplay(GammaPort& devices);

// IsMultiDisplay asked once per display configuration: the enumeration lists every output of
// every graphics card, and the Auto Veltone page asks at each foreground switch.
class DisplayLayout {
  public:
    explicit DisplayLayout(GammaPort& devices) : m_devices(devices) {}
    bool IsMultiDisplay();
    // The display configuration changed: the next question enumerates again.
    void Forget() { m_multiDisplay.reset(); }

  private:
    GammaPort& m_devices;
    std::optional<bool> m_multiDisplay;
};
