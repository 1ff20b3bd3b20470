// DimoraDdcci: the monitor-control utility in the taskbar notification area.
#include "utility/command/command_client_win.h"
#include "utility/command/start_line.h"
#include "utility/shell/dimora_app_win.h"

namespace {

// The program's own path, as the process was created from it.
std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const DWORD startTick = ::GetTickCount();
    // With a command the program does it and ends (DimoraDdcci.exe /help). Windows runs a Run
    // value as it is, so the path may come unquoted with blanks: the line is read here rather
    // than taken from the C runtime's split.
    const StartLine line = ReadStartLine(::GetCommandLineA(), ModulePath());
    if (line.command)
        return RunCommandLine(line.words);
    CDimoraApp app(startTick);
    return app.Main();
}
