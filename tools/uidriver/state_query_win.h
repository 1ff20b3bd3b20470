// Finding a program's hidden main window and asking it the utility's state query (the baseline
// program answers it too).
#pragma once

#include <windows.h>

// The first top-level window of class `windowClass` that belongs to process `pid` (any process
// when `pid` is 0), or null.
HWND FindTopWindow(const char* windowClass, DWORD pid = 0);

// The answer to query `what` (kQuery... of utility/ui/user_messages.h), or -1 when the window
// does not answer within `timeoutMs`. A window that has not registered the query yet answers 0.
LRESULT QueryState(HWND window, unsigned what, UINT timeoutMs = 60000);
