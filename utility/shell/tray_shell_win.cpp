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
    data.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
    const std::size_t length = std::min(tip.size(), sizeof data.szTip - 1);
    std::memcpy(data.szTip, tip.data(), length);
    const DWORD message = action == TrayAction::Add      ? NIM_ADD
                          : action == TrayAction::Modify ? NIM_MODIFY
                                                         : NIM_DELETE;
    return ::Shell_NotifyIconA(message, &data) != FALSE;
}

void TrayShellWin::ReportAddFailure() {
    const std::string text = LoadResString(IDS_TRAY_ADD_FAILED);
    char title[128] = {};
    ::GetWindowTextA(m_window, title, sizeof title);
    ::MessageBoxA(m_window, text.c_str(), title, MB_OK | MB_ICONERROR);
}
