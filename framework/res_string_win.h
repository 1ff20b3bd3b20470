// Texts of the string table by identifier, in the program's chosen language (res_language_win.h)
// or, without one, in the language the system's resource loader picks.
#pragma once

#include "framework/tstring_win.h"

// The module whose resources the framework loads: the program's own file.
HINSTANCE ResourceModule();

// String `id` of `module` (the program's own when null) in full, whatever its length; empty when
// the table has no such string.
TString LoadResString(UINT id, HINSTANCE module = nullptr);
