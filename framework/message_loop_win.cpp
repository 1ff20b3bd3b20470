#include "framework/message_loop_win.h"

#include "framework/app_win.h"
#include "framework/wnd_win.h"

namespace {

// Pre-translation is for the user's input: keys (dialog navigation, shortcuts) and the mouse.
// A timer's or a posted message goes straight to its window, without a walk up its parents
// (each step a question to the system, ten times a second for the watcher's timer).
bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

} // namespace

void DispatchQueuedMessage(MSG& msg) {
    if (IsInput(msg.message)) {
        CWinAppLite* app = CWinAppLite::Current();
        if (app ? app->PreTranslateMessage(msg) : CWnd::WalkPreTranslateTree(msg))
            return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
}

bool PumpWaitingMessages() {
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchQueuedMessage(msg);
    }
    return true;
}
