#include "utility/shell/tray_shell_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/shell/user_messages.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

bool TrayShellWin::NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data; // the full record of Windows Vista and later
    data.hWnd = m_window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = SmallIcon(iconId);
    const std::size_t length = std::min(tip.size(), sizeof data.szTip - 1);
    std::memcpy(data.szTip, tip.data(), length);
    const DWORD message = action == TrayAction::Add      ? NIM_ADD
                          : action == TrayAction::Modify ? NIM_MODIFY
                                                         : NIM_DELETE;
    return ::Shell_NotifyIconA(message, &data) != FALSE;
}

HICON TrayShellWin::SmallIcon(std::uint32_t iconId) {
    ScopedIcon& icon = m_icons[iconId];
    if (!icon)
        icon = LoadSmallIcon(::GetModuleHandleA(nullptr), iconId);
    return icon.Get();
}

void TrayShellWin::ReportAddFailure() {
    const std::string text = LoadResString(IDS_TRAY_ADD_FAILED);
    char title[128] = {};
    ::GetWindowTextA(m_window, title, sizeof title);
    ::MessageBoxA(m_window, text.c_str(), title, MB_OK | MB_ICONERROR);
}

ScopedIcon LoadSmallIcon(HINSTANCE module, UINT id) {
    return ScopedIcon(static_cast<HICON>(
        ::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                     ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
}

bool AllowTaskbarCreated(HWND window, UINT message) {
    // Windows 7 filters per window; Vista only per process. Both are looked up at run time:
    // the program starts on systems without them.
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    if (!user32)
        return false;
    if (auto perWindow = reinterpret_cast<ChangeWindowMessageFilterExFn>(
            reinterpret_cast<void*>(::GetProcAddress(user32, "ChangeWindowMessageFilterEx"))))
        return perWindow(window, message, MSGFLT_ALLOW, nullptr) != FALSE;
    if (auto perProcess = reinterpret_cast<ChangeWindowMessageFilterFn>(
            reinterpret_cast<void*>(::GetProcAddress(user32, "ChangeWindowMessageFilter"))))
        return perProcess(message, MSGFLT_ADD) != FALSE;
    return false;
}
