// DimoraDdcci: the monitor-control utility in the taskbar notification area.
#include "utility/command/command_client_win.h"
#include "utility/shell/dimora_app_win.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const DWORD startTick = ::GetTickCount();
    // With a command the program does it and ends (DimoraDdcci.exe /help).
    if (__argc > 1)
        return RunCommandLine(std::vector<std::string>(__argv + 1, __argv + __argc));
    CDimoraApp app(startTick);
    return app.Main();
}
