#include "framework/app_win.h"

#include "framework/message_loop_win.h"
#include "framework/wnd_win.h"

namespace {
CWinAppLite* g_application = nullptr;
}

CWinAppLite::CWinAppLite() {
    g_application = this;
}

CWinAppLite::~CWinAppLite() {
    if (g_application == this)
        g_application = nullptr;
}

CWinAppLite* CWinAppLite::Current() {
    return g_application;
}

int CWinAppLite::Main() {
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

bool CWinAppLite::PreTranslateMessage(MSG& msg) {
    return CWnd::WalkPreTranslateTree(msg);
}

int CWinAppLite::Run() {
    MSG msg;
    for (;;) {
        BOOL got = ::GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            m_exitCode = -1;
            break;
        }
        DispatchQueuedMessage(msg);
    }
    return ExitInstance();
}
