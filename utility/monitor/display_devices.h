// Questions about the display devices (graphics outputs) as the system enumerates them.
#pragma once

#include "utility/monitor/gamma_port.h"

// DISPLAY_DEVICE_MIRRORING_DRIVER in a display device's state flags.
inline constexpr std::uint32_t kDisplayDeviceMirroringDriver = 0x8;

// More than one display device shows a part of the desktop. Outputs without a screen (every
// graphics card lists its unused connectors) and mirroring drivers do not count.
bool IsMultiDisplay(GammaPort& devices);
