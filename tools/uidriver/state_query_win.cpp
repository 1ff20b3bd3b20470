#include "tools/uidriver/state_query_win.h"

#include "utility/ui/user_messages.h"

HWND FindTopWindow(const char* windowClass, DWORD pid) {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (pid == 0 || owner == pid)
            return window;
    }
    return nullptr;
}

LRESULT QueryState(HWND window, unsigned what, UINT timeoutMs) {
    static const UINT message = ::RegisterWindowMessageA(kStateQueryMessage);
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    if (!::SendMessageTimeoutA(window, message, what, 0, SMTO_NORMAL, timeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}
