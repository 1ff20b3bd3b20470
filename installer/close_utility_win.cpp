// close_utility.dll: the custom action the utility's package runs before Windows Installer looks
// for files in use (before InstallValidate), on installation, upgrade and removal alike. A
// running utility is asked to end as Restart Manager asks a program (WM_QUERYENDSESSION, then
// WM_ENDSESSION, both with ENDSESSION_CLOSEAPP), and its end is waited for, so that its program
// and library are never in use when they are replaced or removed. Where Windows Installer has
// Restart Manager this only does its work earlier; where it has not (Wine), it is the only way
// the files are freed without a restart. Any failure lets the installation go on (Return
// "ignore"): at worst Windows Installer meets the files in use as it would without this action.
#include "framework/handles_win.h"
#include "utility/res/resource.h"

#include <windows.h>

#include <msi.h>

#include <vector>

namespace {

// How long the utility may take to answer each message, and then to end.
constexpr UINT kAnswerMs = 5000;
constexpr DWORD kEndMs = 10000;

std::vector<HWND> UtilityMainWindows() {
    std::vector<HWND> windows;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, DIMORA_MAIN_CLASS, nullptr)) != nullptr)
        windows.push_back(window);
    return windows;
}

bool Ask(HWND window, UINT message, WPARAM wParam, DWORD_PTR& answer) {
    return ::SendMessageTimeoutA(window, message, wParam, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                                 kAnswerMs, &answer) != 0;
}

void EndUtility(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    // Opened first, so that the process can still be waited for once it has ended.
    const ScopedKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    DWORD_PTR answer = 0;
    if (!Ask(window, WM_QUERYENDSESSION, 0, answer) || !answer)
        return;
    if (!Ask(window, WM_ENDSESSION, TRUE, answer))
        return;
    if (process)
        ::WaitForSingleObject(process.Get(), kEndMs);
}

} // namespace

extern "C" __declspec(dllexport) UINT WINAPI CloseRunningUtility(MSIHANDLE) {
    for (HWND window : UtilityMainWindows())
        EndUtility(window);
    return ERROR_SUCCESS;
}
