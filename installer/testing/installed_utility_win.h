// Test support: the installed utility, started by someone else, found and driven from outside
// as a user would, with the simulated monitors' register dump to read what reached them. Kept
// apart from the launcher's test support, whose resource names are the utility's too.
#pragma once

#include "framework/handles_win.h"

#include <windows.h>

#include <string>

namespace installed_utility {

// The description of the simulated monitors `file` (sim/monitors/).
std::string Monitors(const char* file);
// A dump file in the temporary folder, named for `test`.
std::string DumpPath(const char* test);
// The picture mode the dump shows for monitor `index`; -1 without one.
int DumpedMode(const std::string& dump, int index);

// The utility's main window once its start-up has finished; null after 30 s without one.
HWND WaitReady();
// The main window's answer to the state query `what`.
LRESULT Query(HWND main, unsigned what);
// Opens the settings window on the colour page and picks the `index`th picture mode of its list.
void PickPictureMode(HWND main, int index);
// Exit in the notification menu; true once the process has ended.
bool Exit(HWND main);
// The process of `main`, opened to be waited for.
ScopedKernelHandle ProcessOf(HWND main);
// A utility's main window exists, of any process.
bool AnyRunning();

} // namespace installed_utility
