// The framework's string type: 8-bit characters in the system code page for the ANSI build
// (framework_a), UTF-16 for the wide build (framework_w, UNICODE and _UNICODE defined).
#pragma once

#include "framework/mingw_gaps_win.h"

#include <string>
#include <string_view>

#include <tchar.h>

using TString = std::basic_string<TCHAR>;
using TStringView = std::basic_string_view<TCHAR>;
