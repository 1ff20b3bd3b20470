// dimora_baseline: the bare notification-area program that the start-up benchmark measures the
// utility against. It does only what every such program must do: one hidden window, one
// notification icon and a message loop; no monitors, no settings, no resources of its own. It
// answers the utility's state query (ready, icon state, time to the icon) and ends on the
// utility's Exit command, so that the driver starts, watches and ends both programs alike.
// With "--poll" it also asks for the foreground window every 100 ms, the least that any
// foreground watcher with that period does: the idle benchmark's floor for the utility, whose
// Auto Veltone page polls at that rate for as long as it runs.
#include "bench/baseline/baseline.h"
#include "framework/own_cpu_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <shellapi.h>

namespace {

DWORD g_startTick = 0;
UINT g_stateQueryMsg = 0;
bool g_iconAdded = false;
LRESULT g_iconAfterMs = -1;
DWORD g_iconTick = 0;
bool g_poll = false;
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 100;

bool NotifyIcon(HWND window, DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data; // the full record of Windows Vista and later, as the utility's
    data.hWnd = window;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::lstrcpynA(data.szTip, "Baseline", sizeof data.szTip);
    return ::Shell_NotifyIconA(action, &data) != FALSE;
}

LRESULT AnswerStateQuery(WPARAM what) {
    switch (what) {
    case kQueryTrayState:
        return g_iconAdded ? 1 : 0;
    case kQueryReady:
        return 1;
    case kQueryIconAfterMs:
        return g_iconAfterMs;
    case kQueryIconTick:
        return static_cast<LRESULT>(g_iconTick);
    case kQueryMonitorCount:
        return 0;
    case kQueryCpuMs:
        return static_cast<LRESULT>(OwnCpuMs());
    default:
        return -1;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        g_iconAdded = NotifyIcon(window, NIM_ADD);
        if (g_iconAdded) {
            g_iconTick = ::GetTickCount();
            g_iconAfterMs = static_cast<LRESULT>(g_iconTick - g_startTick);
        }
        // Registered only now, as the utility does at the end of its initialisation: a query
        // that the shell call lets in early is not answered yet.
        g_stateQueryMsg = ::RegisterWindowMessageA(kStateQueryMessage);
        if (g_poll)
            ::SetTimer(window, kPollTimer, kPollMs, nullptr);
        return g_iconAdded ? 0 : -1;
    case WM_TIMER:
        if (wParam == kPollTimer)
            static_cast<void>(::GetForegroundWindow());
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_TRAY_EXIT)
            ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (g_poll)
            ::KillTimer(window, kPollTimer);
        if (g_iconAdded)
            NotifyIcon(window, NIM_DELETE);
        ::PostQuitMessage(0);
        return 0;
    default:
        if (g_stateQueryMsg != 0 && message == g_stateQueryMsg)
            return AnswerStateQuery(wParam);
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_startTick = ::GetTickCount();
    g_poll = commandLine && ::lstrcmpA(commandLine, "--poll") == 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kBaselineWindowClass;
    if (!::RegisterClassA(&wc))
        return 1;
    // A top-level window that is never shown, like the utility's hidden main window.
    if (!::CreateWindowExA(0, kBaselineWindowClass, "Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                           nullptr))
        return 1;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
