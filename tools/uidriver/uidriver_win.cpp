// uidriver: drives a running DimoraDdcci from outside, for the run command's screenshots and the
// start-up benchmark. Commands:
//   uidriver bench EXE DESCRIPTION   starts EXE (beside the simulated DLLs) on the monitors of
//                                    DESCRIPTION, prints the time to the coloured icon, the
//                                    pauses the monitors mandate and the memory after start-up,
//                                    then ends it through Exit
//   uidriver wait                    waits until the running utility has finished starting
//   uidriver show                    shows the main window (the menu's first item)
//   uidriver page N                  shows page N of the main window
//   uidriver tray-menu               opens the notification icon's menu
//   uidriver close-menu              closes an open menu
//   uidriver exit                    ends the utility through the menu's Exit
#include "sim/sim_system.h"
#include "utility/res/resource.h"
#include "utility/shell/user_messages.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND FindMain(DWORD pid = 0) {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, DIMORA_MAIN_CLASS, nullptr)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (pid == 0 || owner == pid)
            return window;
    }
    return nullptr;
}

LRESULT Query(HWND main, unsigned what) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    ::SendMessageTimeoutA(main, ::RegisterWindowMessageA(kStateQueryMessage), what, 0, SMTO_NORMAL,
                          60000, &result);
    return static_cast<LRESULT>(result);
}

HWND WaitMain(DWORD pid, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (HWND main = FindMain(pid); main && Query(main, kQueryReady) == 1)
            return main;
        ::Sleep(10);
    }
    return nullptr;
}

// The pauses the monitor protocol mandates to enumerate one monitor and build its state.
std::uint64_t MandatedMs(const SimMonitorConfig& config) {
    auto words = [&](int slot, std::size_t capacity) -> std::uint64_t {
        const std::size_t length =
            std::min<std::size_t>(config.announcedLength[slot].value_or(
                                      static_cast<std::uint32_t>(config.slots[slot].size())),
                                  capacity);
        return (length + 3) / 4;
    };
    return (60 + 20 * words(0, 65535)) + 30 + (60 + 20 * words(2, 18)) + (40 + 20 * words(3, 18)) +
           (40 + 20 * words(1, 255)) + 10;
}

int Bench(const char* exe, const char* description) {
    SimSystem system;
    std::string error;
    if (!LoadSimDescriptionFile(description, system, error)) {
        std::fprintf(stderr, "uidriver: %s\n", error.c_str());
        return 2;
    }
    std::uint64_t mandated = 0;
    for (std::size_t i = 0; i < system.bus.Count(); ++i)
        mandated += MandatedMs(system.bus.Monitor(static_cast<int>(i)).Config());

    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", description);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = std::string("\"") + exe + "\"";
    const DWORD start = ::GetTickCount();
    if (!::CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        std::fprintf(stderr, "uidriver: cannot start %s\n", exe);
        return 2;
    }
    const HWND main = WaitMain(process.dwProcessId, 120000);
    const DWORD elapsed = ::GetTickCount() - start;
    int rc = 0;
    if (!main) {
        std::fprintf(stderr, "uidriver: the utility did not finish starting\n");
        rc = 1;
    } else {
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        ::GetProcessMemoryInfo(process.hProcess,
                               reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        std::printf("monitors controlled:          %ld of %zu described\n",
                    static_cast<long>(Query(main, kQueryMonitorCount)), system.bus.Count());
        std::printf("start-up to the tray icon:    %ld ms in the program (icon state %ld)\n",
                    static_cast<long>(Query(main, kQueryIconAfterMs)),
                    static_cast<long>(Query(main, kQueryTrayState)));
        std::printf("process start to ready:       %lu ms (Wine start, monitors, gamma devices)\n",
                    static_cast<unsigned long>(elapsed));
        std::printf("mandated monitor pauses:      %llu ms\n",
                    static_cast<unsigned long long>(mandated));
        // Wine leaves PrivateUsage at 0; the commit charge (PagefileUsage) is the same figure.
        const SIZE_T privateBytes =
            memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        std::printf("private bytes after start-up: %llu KiB\n",
                    static_cast<unsigned long long>(privateBytes / 1024));
        std::printf("working set after start-up:   %llu KiB\n",
                    static_cast<unsigned long long>(memory.WorkingSetSize / 1024));
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_EXIT, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        rc = 1;
    }
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "bench" && argc == 4)
        return Bench(argv[2], argv[3]);
    const HWND main = WaitMain(0, 120000);
    if (!main) {
        std::fprintf(stderr, "uidriver: no running utility\n");
        return 1;
    }
    if (command == "wait")
        return 0;
    if (command == "show") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
        for (int i = 0; i < 200 && Query(main, kQueryMainShown) != 1; ++i)
            ::Sleep(25);
        return Query(main, kQueryMainShown) == 1 ? 0 : 1;
    }
    if (command == "page" && argc == 3) {
        const HWND tab = ::GetDlgItem(main, IDC_TAB);
        const int page = std::atoi(argv[2]);
        ::SendMessageA(tab, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
        return Query(main, kQueryCurrentPage) == page ? 0 : 1;
    }
    if (command == "tray-menu") {
        ::PostMessageA(main, WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
        return 0;
    }
    if (command == "close-menu") {
        ::PostMessageA(main, WM_CANCELMODE, 0, 0);
        if (HWND menu = ::FindWindowA("#32768", nullptr))
            ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    }
    if (command == "exit") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_EXIT, 0);
        return 0;
    }
    std::fprintf(stderr, "usage: uidriver bench EXE DESCRIPTION | wait | show | page N | "
                         "tray-menu | close-menu | exit\n");
    return 2;
}
