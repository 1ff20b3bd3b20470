#include "utility/shell/tray_shell_win.h"

#include "utility/ui/user_messages.h"

#include <shellapi.h>

#include <cstring>

namespace {

// `text` cut after a whole character so that it fits `field` with its zero.
template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text, const CodePage& codePage) {
    const std::string kept = CutToWholeCharacters(text, N - 1, codePage);
    std::memcpy(field, kept.data(), kept.size());
    field[kept.size()] = '\0';
}

} // namespace

NOTIFYICONDATAA IconData(HWND window, HICON icon, const std::string& tip,
                         const CodePage& codePage) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data; // the full record of Windows Vista and later
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = icon;
    CopyText(data.szTip, tip, codePage);
    return data;
}

NOTIFYICONDATAA BalloonIconData(HWND window, HICON icon, const BalloonRecord& record,
                                const CodePage& codePage) {
    NOTIFYICONDATAA data = IconData(window, icon, record.tip, codePage);
    data.uFlags |= NIF_INFO;
    CopyText(data.szInfo, record.text, codePage);
    CopyText(data.szInfoTitle, record.title, codePage);
    data.uTimeout = record.timeoutMs;
    data.dwInfoFlags = NIIF_INFO;
    return data;
}

bool TrayShellWin::NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string& tip) {
    NOTIFYICONDATAA data = IconData(m_window, SmallIcon(iconId), tip, m_codePage);
    const DWORD message = action == TrayAction::Add      ? NIM_ADD
                          : action == TrayAction::Modify ? NIM_MODIFY
                                                         : NIM_DELETE;
    return ::Shell_NotifyIconA(message, &data) != FALSE;
}

bool TrayShellWin::NotifyBalloon(const BalloonRecord& record) {
    NOTIFYICONDATAA data = BalloonIconData(m_window, SmallIcon(record.iconId), record, m_codePage);
    return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool TrayShellWin::ScreenSaverRunning() {
    BOOL running = FALSE;
    return ::SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0) && running;
}

HICON TrayShellWin::SmallIcon(std::uint32_t iconId) {
    ScopedIcon& icon = m_icons[iconId];
    if (!icon)
        icon = LoadSmallIcon(::GetModuleHandleA(nullptr), iconId);
    return icon.Get();
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
