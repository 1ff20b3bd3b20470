#include "framework/message_loop_win.h"

#include "framework/app_win.h"
#include "framework/wnd_win.h"

void DispatchQueuedMessage(MSG& msg) {
    CWinAppLite* app = CWinAppLite::Current();
    bool consumed = app ? app->PreTranslateMessage(msg) : CWnd::WalkPreTranslateTree(msg);
    if (consumed)
        return;
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
