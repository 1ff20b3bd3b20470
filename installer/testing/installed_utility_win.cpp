#include "installer/testing/installed_utility_win.h"

#include "framework/handles_win.h"
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

namespace installed_utility {

std::string Monitors(const char* file) {
    return utility_process::Monitors(file);
}

std::string DumpPath(const char* test) {
    return utility_process::DumpPath(test);
}

int DumpedMode(const std::string& dump, int index) {
    return utility_process::DumpedMode(dump, index);
}

LRESULT Query(HWND main, unsigned what) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    ::SendMessageTimeoutA(main, ::RegisterWindowMessageA(kStateQueryMessage), what, 0, SMTO_NORMAL,
                          30000, &result);
    return static_cast<LRESULT>(result);
}

namespace {

LRESULT QueryUntil(HWND main, unsigned what, LRESULT expected) {
    LRESULT answer = Query(main, what);
    for (int i = 0; answer != expected && i < 200; ++i) {
        utility_process::Pump(50);
        answer = Query(main, what);
    }
    return answer;
}

} // namespace

HWND WaitReady() {
    for (int i = 0; i < 600; ++i) {
        const auto windows = utility_process::MainWindows();
        if (!windows.empty())
            return QueryUntil(windows.front(), kQueryReady, 1) == 1 ? windows.front() : nullptr;
        utility_process::Pump(50);
    }
    return nullptr;
}

void PickPictureMode(HWND main, int index) {
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
    QueryUntil(main, kQueryMainShown, 1);
    utility_process::Pump(300);
    utility_process::Press({VK_CONTROL, VK_TAB});
    QueryUntil(main, kQueryCurrentPage, 1);
    utility_process::Pump(500);
    const HWND modes = utility_process::VisibleControl(main, IDC_COLOR_MODE_LIST);
    ::SendMessageA(modes, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(modes), WM_COMMAND, MAKEWPARAM(IDC_COLOR_MODE_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(modes));
}

ScopedKernelHandle ProcessOf(HWND main) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(main, &id);
    return ScopedKernelHandle(::OpenProcess(SYNCHRONIZE, FALSE, id));
}

bool Exit(HWND main) {
    const ScopedKernelHandle process = ProcessOf(main);
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_EXIT, 0);
    return process && ::WaitForSingleObject(process.Get(), 20000) == WAIT_OBJECT_0;
}

bool AnyRunning() {
    return !utility_process::MainWindows().empty();
}

} // namespace installed_utility
