// Finding the running utility's windows from outside: its main window once it has started, its
// dialogs by a control they have, a page's visible control, its menus, and closing a dialog with
// OK.
#pragma once

#include <windows.h>

// The utility's main window once it answers that its start-up has finished, or null after
// `timeoutMs`.
HWND WaitMain(DWORD timeoutMs);

// The visible control `id` among the main window's descendants (pages share ids).
HWND VisibleControl(HWND main, int id);

// A dialog of the utility's process that has control `id`, shown or not, or null.
HWND DialogWith(HWND main, int id);

// The visible dialog of the utility's process that has control `id`, looked for `tries` times
// 50 ms apart.
HWND WaitDialogWith(HWND main, int id, int tries = 200);

// Whether a pop-up menu of the utility's process shows within `tries` looks 50 ms apart.
bool WaitMenu(HWND main, int tries = 100);

// Ends `dialog` with OK (or the EyeCare dialog's "Close") and waits until it is gone.
void PressOk(HWND dialog);
