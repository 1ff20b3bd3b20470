// uidriver: drives a running DimoraDdcci from outside, for the run command's screenshots and the
// start-up benchmark. Commands:
//   uidriver bench UTILITY BASELINE DESCRIPTION [ROUNDS]
//                                    starts the bare baseline program and the utility (beside the
//                                    simulated DLLs, on the monitors of DESCRIPTION) in turn,
//                                    ROUNDS times (default 5), and prints the medians of their
//                                    time to the tray icon and memory, with the goals
//   uidriver idle UTILITY BASELINE DESCRIPTION [SECONDS]
//                                    runs both programs side by side with their windows hidden
//                                    and prints their CPU time per idle minute, measured over
//                                    SECONDS (default 60)
//   uidriver soak UTILITY APP DESCRIPTION [ACTIONS]
//                                    registers APP (a plain program with a window) and this
//                                    driver for Auto Veltone, starts APP and the utility and runs
//                                    ACTIONS actions (default 600) of user actions and system
//                                    events on it, sampling its GDI and USER objects, handles and
//                                    private bytes every 100; prints them and the verdict
//   uidriver wait                    waits until the running utility has finished starting
//   uidriver show                    shows the main window (the menu's first item)
//   uidriver page N                  shows page N of the main window
//   uidriver colour-dialog           opens the colour adjustment dialog from the colour page
//   uidriver close-dialog            cancels the colour adjustment dialog
//   uidriver monitor-list            opens the monitor connection list (the menu's item)
//   uidriver close-monitor-list      closes the monitor connection list
//   uidriver hide                    hides the main window (its Close button)
//   uidriver eyecare                 opens the EyeCare dialog (the menu's item) and checks its
//                                    "Pop up the message periodically" when it is not
//   uidriver edit-message            opens the Edit Message dialog from the EyeCare dialog
//   uidriver close-eyecare           OK in the Edit Message dialog, then "Close" (saving) in the
//                                    EyeCare dialog
//   uidriver balloon                 lets the reminder's interval end now: its balloon shows
//   uidriver filter N                opens the EyeCare Filter dialog (the menu's item) and picks
//                                    line N of its picture list (1: the first default picture)
//   uidriver close-filter            cancels the EyeCare Filter dialog
//   uidriver hotkeys                 opens the Shortcut Keys dialog (the menu's item) and gives
//                                    brightness up Ctrl+Alt+F9 and down Ctrl+Alt+F10
//   uidriver close-hotkeys           OK in the Shortcut Keys dialog: the keys are registered
//   uidriver press-hotkey            presses Ctrl+Alt+F9 with the pointer on the first display:
//                                    the on-screen value shows
//   uidriver tray-menu               opens the notification icon's menu with a right click on
//                                    the icon
//   uidriver close-menu              closes an open menu
//   uidriver park-tray               moves the notification area into the screen's bottom right
//                                    corner
//   uidriver about                   opens the About box from the main window's system menu
//   uidriver close-about             closes the About box
//   uidriver exit                    ends the utility through the menu's Exit
//   uidriver frame EXE [tray|dialog] prints the part of the screen that the visible windows of
//                                    the programs named EXE cover (tray: with the notification
//                                    area and its balloons; dialog: without the screen filter's
//                                    overlays), as an ImageMagick crop geometry
//   uidriver activate EXE            makes the top window of the program named EXE active anew
//                                    (frame and activate need no running utility)
#include "tools/uidriver/idle_bench_win.h"
#include "tools/uidriver/screen_win.h"
#include "tools/uidriver/soak_win.h"
#include "tools/uidriver/startup_bench_win.h"
#include "tools/uidriver/state_query_win.h"
#include "tools/uidriver/utility_windows_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: uidriver bench UTILITY BASELINE DESCRIPTION [ROUNDS] | idle "
                 "UTILITY BASELINE DESCRIPTION [SECONDS] | soak UTILITY APP DESCRIPTION [ACTIONS] "
                 "| wait | show | page N | "
                 "colour-dialog | close-dialog | monitor-list | close-monitor-list | hide | "
                 "eyecare | edit-message | close-eyecare | balloon | filter N | close-filter | "
                 "hotkeys | close-hotkeys | press-hotkey | "
                 "tray-menu | close-menu | park-tray | about | close-about | exit | frame EXE "
                 "[tray|dialog] | activate EXE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "bench") {
        const int rounds = argc == 6 ? std::atoi(argv[5]) : 5;
        if ((argc != 5 && argc != 6) || rounds < 1)
            return Usage();
        return RunStartupBench(argv[2], argv[3], argv[4], static_cast<std::size_t>(rounds));
    }
    if (command == "idle") {
        const int seconds = argc == 6 ? std::atoi(argv[5]) : 60;
        if ((argc != 5 && argc != 6) || seconds < 1)
            return Usage();
        return RunIdleBench(argv[2], argv[3], argv[4], seconds);
    }
    if (command == "soak") {
        const int actions = argc == 6 ? std::atoi(argv[5]) : 600;
        if ((argc != 5 && argc != 6) || actions < 1)
            return Usage();
        return RunSoak(argv[2], argv[3], argv[4], static_cast<std::size_t>(actions));
    }
    if (command == "frame" && (argc == 3 || argc == 4)) {
        const std::string kind = argc == 4 ? argv[3] : "";
        const std::string frame =
            ProgramFrame(argv[2], kind == "tray"     ? FrameKind::WithTray
                                  : kind == "dialog" ? FrameKind::WithoutOverlays
                                                     : FrameKind::Windows);
        if (frame.empty())
            return 1;
        std::printf("%s\n", frame.c_str());
        return 0;
    }
    if (command == "activate" && argc == 3) {
        const HWND top = TopProgramWindow(argv[2]);
        if (top)
            ActivateAgain(top);
        return top ? 0 : 1;
    }
    const HWND main = WaitMain(120000);
    if (!main) {
        std::fprintf(stderr, "uidriver: no running utility\n");
        return 1;
    }
    if (command == "wait")
        return 0;
    if (command == "show") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
        for (int i = 0; i < 200 && QueryState(main, kQueryMainShown) != 1; ++i)
            ::Sleep(25);
        if (QueryState(main, kQueryMainShown) != 1)
            return 1;
        ActivateAgain(main);
        return 0;
    }
    if (command == "page" && argc == 3) {
        const HWND tab = ::GetDlgItem(main, IDC_TAB);
        const int page = std::atoi(argv[2]);
        ::SendMessageA(tab, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
        return QueryState(main, kQueryCurrentPage) == page ? 0 : 1;
    }
    if (command == "colour-dialog") {
        const HWND button = VisibleControl(main, IDC_COLOR_ADJUST);
        if (!button)
            return 1;
        ::PostMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_COLOR_ADJUST, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
        for (int i = 0; i < 200; ++i) {
            // Shown, so set up: before, OK is enabled as the template has it.
            if (HWND dialog = DialogWith(main, IDC_SUB_BRIGHTNESS_SLIDER);
                dialog && ::IsWindowVisible(dialog) &&
                ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)))
                return 0;
            ::Sleep(50);
        }
        return 1;
    }
    if (command == "close-dialog") {
        if (HWND dialog = DialogWith(main, IDC_SUB_BRIGHTNESS_SLIDER))
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    if (command == "monitor-list") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
        for (int i = 0; i < 200; ++i) {
            if (HWND list = DialogWith(main, IDC_MONLIST_LIST); list && ::IsWindowVisible(list))
                return 0;
            ::Sleep(50);
        }
        return 1;
    }
    if (command == "close-monitor-list") {
        if (HWND list = DialogWith(main, IDC_MONLIST_LIST))
            ::PostMessageA(list, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    if (command == "hide") {
        ::PostMessageA(main, WM_COMMAND, IDC_CLOSE, 0);
        return 0;
    }
    if (command == "eyecare") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_EYECARE, 0);
        const HWND dialog = WaitDialogWith(main, IDC_EYECARE_POPUP);
        if (!dialog)
            return 1;
        const HWND popup = ::GetDlgItem(dialog, IDC_EYECARE_POPUP);
        if (::SendMessageA(popup, BM_GETCHECK, 0, 0) != BST_CHECKED)
            ::SendMessageA(popup, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "edit-message") {
        const HWND dialog = WaitDialogWith(main, IDC_EYECARE_POPUP);
        if (!dialog)
            return 1;
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EYECARE_EDIT_MSG, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_EYECARE_EDIT_MSG)));
        return WaitDialogWith(main, IDC_EDITMSG_CAPTION) ? 0 : 1;
    }
    if (command == "close-eyecare") {
        if (HWND editor = WaitDialogWith(main, IDC_EDITMSG_CAPTION, 1))
            PressOk(editor);
        if (HWND dialog = WaitDialogWith(main, IDC_EYECARE_POPUP))
            PressOk(dialog);
        return 0;
    }
    if (command == "filter" && argc > 2) {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_FILTER, 0);
        const HWND dialog = WaitDialogWith(main, IDC_FILTER_IMAGE);
        if (!dialog)
            return 1;
        const HWND list = ::GetDlgItem(dialog, IDC_FILTER_IMAGE);
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILTER_IMAGE, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
        return ::SendMessageA(list, CB_GETCURSEL, 0, 0) == std::atoi(argv[2]) ? 0 : 1;
    }
    if (command == "close-filter") {
        if (HWND dialog = WaitDialogWith(main, IDC_FILTER_IMAGE)) {
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            for (int i = 0; i < 200 && ::IsWindow(dialog); ++i)
                ::Sleep(50);
        }
        return 0;
    }
    if (command == "hotkeys") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_HOTKEYS, 0);
        const HWND dialog = WaitDialogWith(main, IDC_HOTKEY_FIRST);
        if (!dialog)
            return 1;
        constexpr WPARAM kCtrlAlt = (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8;
        ::SendMessageA(::GetDlgItem(dialog, IDC_HOTKEY_FIRST), HKM_SETHOTKEY, kCtrlAlt | VK_F9, 0);
        ::SendMessageA(::GetDlgItem(dialog, IDC_HOTKEY_FIRST + 1), HKM_SETHOTKEY, kCtrlAlt | VK_F10,
                       0);
        return 0;
    }
    if (command == "close-hotkeys") {
        if (HWND dialog = WaitDialogWith(main, IDC_HOTKEY_FIRST))
            PressOk(dialog);
        return 0;
    }
    if (command == "press-hotkey") {
        ::SetCursorPos(100, 100);
        INPUT keys[6] = {};
        const WORD chord[3] = {VK_CONTROL, VK_MENU, VK_F9};
        for (int i = 0; i < 3; ++i) {
            keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = keys[5 - i].ki.wVk = chord[i];
            keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
        }
        return ::SendInput(6, keys, sizeof(INPUT)) == 6 ? 0 : 1;
    }
    if (command == "balloon") {
        ::PostMessageA(main, WM_TIMER, TIMER_REMINDER, 0);
        return 0;
    }
    if (command == "tray-menu") {
        // Where no icon window can be found (a desktop shell that draws its icons itself), the
        // notification that the right click sends.
        if (!RightClickTrayIcon())
            ::PostMessageA(main, WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
        return WaitMenu(main) ? 0 : 1;
    }
    if (command == "close-menu") {
        ::PostMessageA(main, WM_CANCELMODE, 0, 0);
        if (HWND menu = ::FindWindowA("#32768", nullptr))
            ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        return 0;
    }
    if (command == "park-tray")
        return ParkTrayInCorner() ? 0 : 1;
    if (command == "about") {
        ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        return WaitDialogWith(main, IDC_ABOUT_VERSION) ? 0 : 1;
    }
    if (command == "close-about") {
        if (HWND about = WaitDialogWith(main, IDC_ABOUT_VERSION, 1))
            PressOk(about);
        return 0;
    }
    if (command == "exit") {
        ::PostMessageA(main, WM_COMMAND, ID_TRAY_EXIT, 0);
        return 0;
    }
    return Usage();
}
