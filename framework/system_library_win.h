// Loading a system library by name at run time, from the system folder only: never from the
// program's own folder (which may be a downloads folder holding a planted DLL of that name) nor
// from the current folder or the PATH.
#pragma once

#include "framework/handles_win.h"

// Loads `name` (a file name such as L"uxtheme.dll") from the system folder; empty when it is
// not there or cannot be loaded.
ScopedLibrary LoadSystemLibrary(const wchar_t* name);
