// How the launcher's link controls look: blue, red while hovered, bold and underlined, with the
// hand cursor; the page behind gives their background.
#pragma once

#include "framework/link_static_win.h"
#include "launcher/res/resource.h"

inline constexpr LinkLook kLauncherLinkLook{.normalColor = RGB(0, 0, 255),
                                            .hoverColor = RGB(255, 0, 0),
                                            .cursorId = IDC_LINK_HAND,
                                            .weight = 800,
                                            .hollowBackground = false};
