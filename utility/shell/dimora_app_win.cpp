#include "utility/shell/dimora_app_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/shell/dimora_dlg_win.h"

namespace {

constexpr DWORD kMainWindowSearchMs = 5000;
constexpr DWORD kMainWindowRetryMs = 100;

} // namespace

CDimoraApp& TheApp() {
    return *static_cast<CDimoraApp*>(CWinAppLite::Current());
}

CDimoraApp::CDimoraApp()
    : m_deviceCtrl(MonitorPorts{m_ddcPort, m_clock, m_processPort, m_displayPort, m_panqPort}) {}

bool CDimoraApp::RegisterMainWindowClass() {
    // The main dialog's template names this class, so that other code finds the main window by
    // class name; it is an ordinary dialog class with the program's icon.
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hIcon = ::LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = DIMORA_MAIN_CLASS;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CDimoraApp::InitInstance() {
    m_startTick = ::GetTickCount();
    const std::string mutexName = LoadResString(IDS_MUTEX_NAME);
    m_hMutex.Reset(::CreateMutexA(nullptr, TRUE, mutexName.c_str()));
    if (!m_hMutex)
        return false;
    // A second copy ends silently; the first one is not told.
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        m_hMutex.Reset();
        return false;
    }

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT ||
        version.dwMajorVersion <= 5)
        return false;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass())
        return false;

    // The main window owns itself and is deleted when its window is gone.
    auto* main = new CDimoraDlg;
    m_pMainWnd = main;
    if (!main->Create(IDD_DIMORA_DIALOG, nullptr)) {
        // A window that existed and was destroyed has deleted its object already (and the
        // framework forgot it as main window); one that never existed has not.
        if (m_pMainWnd == main)
            delete main;
        m_pMainWnd = nullptr;
        return false;
    }
    if (!m_startupOk) {
        main->DestroyWindow();
        return false;
    }
    m_mainShown = 0;
    return true;
}

int CDimoraApp::ExitInstance() {
    if (m_hMutex)
        ::ReleaseMutex(m_hMutex.Get());
    m_hMutex.Reset();
    return CWinAppLite::ExitInstance();
}

void CDimoraApp::GetDisplayDeviceName(std::string& name, HWND window, bool atCursor) {
    HMONITOR monitor = nullptr;
    if (atCursor) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        monitor = ::MonitorFromPoint(cursor, MONITOR_DEFAULTTONULL);
    } else {
        const DWORD deadline = ::GetTickCount() + kMainWindowSearchMs;
        for (;;) {
            HWND target = window ? window : ::FindWindowA(DIMORA_MAIN_CLASS, nullptr);
            if (target)
                monitor = ::MonitorFromWindow(target, MONITOR_DEFAULTTONULL);
            if (monitor)
                break;
            if (window) {
                name.clear(); // a window that lies on no monitor
                return;
            }
            if (static_cast<LONG>(::GetTickCount() - deadline) > 0)
                break;
            ::Sleep(kMainWindowRetryMs);
        }
    }
    if (!monitor)
        return;
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        name = info.szDevice;
}

bool CDimoraApp::MonitorHasDeviceName(const std::string& name, const CMonitorStatus* monitor) {
    return monitor && monitor->deviceName == name;
}

bool CDimoraApp::AnyMonitorHasDeviceNames(const std::string& nameA,
                                          const std::string& nameB) const {
    for (const auto& monitor : m_monitorsAll.monitors) {
        if (monitor->deviceName == nameB && monitor->deviceName == nameA)
            return true;
    }
    return false;
}

bool CDimoraApp::IsMultiDisplay() {
    int count = 0;
    DISPLAY_DEVICEA device{};
    for (DWORD i = 0;; ++i) {
        device.cb = sizeof device;
        if (!::EnumDisplayDevicesA(nullptr, i, &device, 0))
            break;
        if (!(device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
            ++count;
    }
    return count > 1;
}

SIZE CDimoraApp::CreatePageBrush(HWND dialog, ScopedBrush& brush, UINT normalBitmapId,
                                 UINT largeBitmapId) {
    SIZE size{0, 0};
    ClientDC dc(dialog);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int dpi = ::GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const UINT id = dpi >= 120 ? largeBitmapId : normalBitmapId;
    ScopedBitmap bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    if (!bitmap)
        return size;
    BITMAP info{};
    ::GetObjectA(bitmap.Get(), sizeof info, &info);
    if (dpi == 96 || dpi == 120) {
        brush.Reset(::CreatePatternBrush(bitmap.Get()));
        return SIZE{info.bmWidth, info.bmHeight};
    }
    // Other resolutions: the picture stretched once over the whole client area.
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    ScopedBitmap stretched(::CreateCompatibleBitmap(dc.Get(), width, height));
    ScopedCreatedDC source(::CreateCompatibleDC(dc.Get()));
    ScopedCreatedDC target(::CreateCompatibleDC(dc.Get()));
    if (!stretched || !source || !target)
        return size;
    {
        SelectObjectScope fromBitmap(source.Get(), bitmap.Get());
        SelectObjectScope toBitmap(target.Get(), stretched.Get());
        ::StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth,
                     info.bmHeight, SRCCOPY);
    }
    brush.Reset(::CreatePatternBrush(stretched.Get()));
    return SIZE{width, height};
}
