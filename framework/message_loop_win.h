// Handing queued messages on: pre-translation of the user's input (keys and mouse) by the
// application object (or, without one, by the wrappers of the target window and its parents),
// then translation and dispatch.
#pragma once

#include "framework/mingw_gaps_win.h"

// Pre-translates, translates and dispatches one message taken from the queue.
void DispatchQueuedMessage(MSG& msg);

// Dispatches every message waiting in the queue without blocking. On WM_QUIT, puts it back and
// answers false.
bool PumpWaitingMessages();
