// <windows.h> as the monitor layer's platform files include it. windows.h turns GetMonitorInfo
// into GetMonitorInfoA; the display port has a method of that name, which must keep it in every
// file, so the macro goes and the platform call is always spelled GetMonitorInfoA.
#pragma once

#include "framework/mingw_gaps_win.h"

#undef GetMonitorInfo
