#include "utility/ui/system_dialogs_win.h"

#include "framework/wnd_win.h"

#include <cstring>
#include <vector>

namespace {

// Every top-level window of the thread, message boxes included (they are owned, not children).
BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// A visible dialog box (class "#32770") that none of the program's window classes made.
bool IsSystemDialog(HWND window) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0 && ::IsWindowVisible(window) &&
           !CWnd::FromHandle(window);
}

int ButtonThatChangesNothing(HWND box) {
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        if (::GetDlgItem(box, id))
            return id;
    }
    return 0;
}

} // namespace

void EndSystemDialogs() {
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!::IsWindow(window) || !IsSystemDialog(window))
            continue;
        // As a click on the button: the box's own procedure ends it with that answer.
        if (const int id = ButtonThatChangesNothing(window))
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
    }
}
