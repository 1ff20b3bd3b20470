#include "tools/uidriver/utility_windows_win.h"

#include "tools/uidriver/state_query_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchVisibleControl(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(window) != search.id || !::IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindDialog(HWND main, int id, bool visible) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (HWND window = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
         window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == pid && (!visible || ::IsWindowVisible(window)) && ::GetDlgItem(window, id))
            return window;
    }
    return nullptr;
}

} // namespace

HWND WaitMain(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (HWND main = FindTopWindow(DIMORA_MAIN_CLASS);
            main && QueryState(main, kQueryReady) == 1)
            return main;
        ::Sleep(10);
    }
    return nullptr;
}

HWND VisibleControl(HWND main, int id) {
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(main, MatchVisibleControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND DialogWith(HWND main, int id) {
    return FindDialog(main, id, false);
}

HWND WaitDialogWith(HWND main, int id, int tries) {
    for (int i = 0; i < tries; ++i) {
        if (HWND dialog = FindDialog(main, id, true))
            return dialog;
        ::Sleep(50);
    }
    return nullptr;
}

bool WaitMenu(HWND main, int tries) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (int i = 0; i < tries; ++i) {
        if (HWND menu = FindTopWindow("#32768", pid); menu && ::IsWindowVisible(menu))
            return true;
        ::Sleep(50);
    }
    return false;
}

void PressOk(HWND dialog) {
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && ::IsWindow(dialog); ++i)
        ::Sleep(50);
}
