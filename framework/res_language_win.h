// The language the program's own dialogs, menus and strings are loaded in. The system's resource
// loader picks a language by rules of its own (the thread's user-interface language on Vista and
// later, the thread locale on older systems, the locale settings under Wine). A program that has
// chosen one finds each resource in that language itself, so every window follows one choice
// whatever the loader would have picked.
#pragma once

#include "framework/mingw_gaps_win.h"

// Chooses the language. The framework's loads look for it first and take the loader's pick only
// where a resource lacks it; the thread's user-interface language is set too, where the system
// has SetThreadUILanguage, for the system's own texts in the program's windows (message box
// buttons, the file dialog). 0, the default, leaves every choice to the loader.
void SetResourceLanguage(LANGID language);
LANGID ResourceLanguage();

// Resource `name` of `type` in `module`: in the chosen language when it has one, otherwise as
// the loader picks it; null when there is none.
HRSRC FindProgramResource(HINSTANCE module, LPCTSTR type, LPCTSTR name);
// The bytes of a found resource; they stay mapped as long as their module.
const void* ProgramResourceData(HINSTANCE module, HRSRC resource);

// Menu `id` of the program's resources, in the chosen language; the caller destroys it.
HMENU LoadResMenu(UINT id);
