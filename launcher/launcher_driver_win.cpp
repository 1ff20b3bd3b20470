// launcherdriver: drives a running launcher from outside, for the run command's screenshots.
// Commands:
//   launcherdriver wait      waits until a launcher's main window shows
//   launcherdriver tab N     selects tab N as a click would
//   launcherdriver hover N   activates the launcher and puts the pointer on item link N of the
//                            page shown
//   launcherdriver click N   clicks item link N of the page shown (its dialog opens)
//   launcherdriver close-dialog  closes the selection or sub-item dialog that is open
//   launcherdriver exit      leaves through Exit
//   launcherdriver park      moves the pointer to the screen's corner (no launcher needed)
#include "launcher/launcher_messages_win.h"
#include "launcher/res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A visible dialog of a process whose executable is launcher.exe.
BOOL CALLBACK FindLauncher(HWND window, LPARAM found) {
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window) ||
        !::GetDlgItem(window, IDC_TAB) || !::GetDlgItem(window, IDC_EXIT))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND WaitLauncher(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        HWND found = nullptr;
        ::EnumWindows(&FindLauncher, reinterpret_cast<LPARAM>(&found));
        if (found)
            return found;
        ::Sleep(50);
    }
    return nullptr;
}

HWND VisiblePage(HWND main) {
    HWND page = nullptr;
    while ((page = ::FindWindowExA(::GetDlgItem(main, IDC_TAB), page, "#32770", nullptr)))
        if (::IsWindowVisible(page))
            return page;
    return nullptr;
}

void MoveMouse(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

int Hover(HWND main, int index) {
    ::SetForegroundWindow(main);
    ::Sleep(300);
    const HWND page = VisiblePage(main);
    const HWND link = page ? ::GetDlgItem(page, IDC_ITEM_FIRST + index) : nullptr;
    if (!link)
        return 1;
    RECT rect{};
    ::GetWindowRect(link, &rect);
    // Two moves through the input queue: onto the link, then within it, as a hand would.
    MoveMouse(rect.left + 2, rect.top + 2);
    ::Sleep(100);
    MoveMouse(rect.left + 4, (rect.top + rect.bottom) / 2);
    return 0;
}

// Clicks a link as a hand would: the pointer on it (the page ignores a click from elsewhere),
// then the link's click notification, posted so that the dialog it opens does not hold us.
int Click(HWND main, int index) {
    ::SetForegroundWindow(main);
    ::Sleep(300);
    const HWND page = VisiblePage(main);
    const HWND link = page ? ::GetDlgItem(page, IDC_ITEM_FIRST + index) : nullptr;
    if (!link || !::IsWindowEnabled(link))
        return 1;
    // The link lit by an earlier click lets go first: under Wine without a window manager the
    // main window is not made active again when a dialog closes, so it would not see the
    // pointer leave.
    ::SendMessageA(page, WM_RESET_HOVER, 0, 0);
    RECT rect{};
    ::GetWindowRect(link, &rect);
    // Through the input queue, as a hand would move it.
    MoveMouse(rect.left + 2, rect.top + 2);
    ::Sleep(100);
    MoveMouse(rect.left + 4, (rect.top + rect.bottom) / 2);
    ::Sleep(200);
    ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ITEM_FIRST + index, STN_CLICKED),
                   reinterpret_cast<LPARAM>(link));
    return 0;
}

struct DialogSearch {
    DWORD processId;
    HWND main;
    HWND found;
};

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<DialogSearch*>(search);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (pid != wanted->processId || window == wanted->main || std::string(name) != "#32770" ||
        !::IsWindowVisible(window))
        return TRUE;
    wanted->found = window;
    return FALSE;
}

// The launcher's other visible dialog (a selection or sub-item dialog), closed as Escape would.
int CloseDialog(HWND main) {
    DialogSearch search{0, main, nullptr};
    ::GetWindowThreadProcessId(main, &search.processId);
    for (int i = 0; i < 100 && !search.found; ++i) {
        ::EnumWindows(&FindOtherDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            ::Sleep(50);
    }
    if (!search.found)
        return 1;
    ::PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "park") {
        MoveMouse(0, 0);
        return 0;
    }
    const HWND main = WaitLauncher(60000);
    if (!main) {
        std::fprintf(stderr, "launcherdriver: no running launcher\n");
        return 1;
    }
    if (command == "wait")
        return 0;
    if (command == "tab" && argc == 3) {
        ::SendMessageA(::GetDlgItem(main, IDC_TAB), TCM_SETCURFOCUS, std::atoi(argv[2]), 0);
        return 0;
    }
    if (command == "hover" && argc == 3)
        return Hover(main, std::atoi(argv[2]));
    if (command == "click" && argc == 3)
        return Click(main, std::atoi(argv[2]));
    if (command == "close-dialog")
        return CloseDialog(main);
    if (command == "exit") {
        ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(main, IDC_EXIT)));
        return 0;
    }
    std::fprintf(
        stderr,
        "usage: launcherdriver wait | tab N | hover N | click N | close-dialog | exit | park\n");
    return 2;
}
