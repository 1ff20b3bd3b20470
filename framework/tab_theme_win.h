// Taking the visual styles off a tab control.
#pragma once

#include "framework/mingw_gaps_win.h"

// Gives `tab` the classic look, which a tab control that paints its selected tab itself builds
// on. Without the theme library (or its SetWindowTheme) the control keeps its themed look.
void UnthemeTabControl(HWND tab);
