#include "utility/hotkeys/on_screen_value_win.h"

#include "framework/handles_win.h"
#include "utility/hotkeys/on_screen_value_wnd_win.h"

namespace {

struct DisplaySearch {
    const std::string& device;
    RECT named;
    RECT primary;
    bool found;
};

BOOL CALLBACK LookAtDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& search = *reinterpret_cast<DisplaySearch*>(data);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(monitor, &info))
        return TRUE;
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        search.primary = info.rcWork;
    if (!search.found && ::lstrcmpiA(info.szDevice, search.device.c_str()) == 0) {
        search.named = info.rcWork;
        search.found = true;
    }
    return TRUE;
}

// The work area (the display without the taskbar and docked bars) of the display device named
// `device`, or of the primary display when no display has that name.
RECT WorkAreaOf(const std::string& device) {
    DisplaySearch search{device, {}, {}, false};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &search.primary, 0);
    ::EnumDisplayMonitors(nullptr, nullptr, &LookAtDisplay, reinterpret_cast<LPARAM>(&search));
    return search.found ? search.named : search.primary;
}

// The program is aware of the system's resolution, which every display shares for it.
int ScreenDpi() {
    ClientDC screen(nullptr);
    return screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

} // namespace

OnScreenValueWindow::OnScreenValueWindow() = default;
OnScreenValueWindow::~OnScreenValueWindow() = default;

void OnScreenValueWindow::Show(HWND owner, const OnScreenValue& value, const std::string& device) {
    // An owned window cannot change its owner: a new owner gets a new window.
    if (m_window && (!m_window->IsWindow() || ::GetWindow(Window(), GW_OWNER) != owner))
        m_window.reset();
    if (!m_window) {
        auto window = std::make_unique<OnScreenValueWnd>();
        if (!window->Create(owner))
            return;
        m_window = std::move(window);
    }
    m_window->Present(value, WorkAreaOf(device), ScreenDpi());
}

void OnScreenValueWindow::Hide() {
    m_window.reset();
}

HWND OnScreenValueWindow::Window() const {
    return m_window ? m_window->GetSafeHwnd() : nullptr;
}
