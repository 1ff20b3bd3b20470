#include "utility/shell/dimora_app_win.h"

#include "framework/mingw_gaps_win.h"
#include "framework/res_language_win.h"
#include "framework/res_string_win.h"
#include "utility/command/command_alone_win.h"
#include "utility/res/resource.h"
#include "utility/shell/dimora_dlg_win.h"
#include "utility/text/ui_language.h"

namespace {

// What RegisterApplicationRestart is told not to restart after: a crash, a hang, or a reboot
// (the Run value starts the program at logon).
constexpr DWORD kRestartNoCrash = 1;
constexpr DWORD kRestartNoHang = 2;
constexpr DWORD kRestartNoReboot = 8;

// How long the start-up waits for a command run alone to leave the monitors.
constexpr DWORD kCommandRunAloneWaitMs = 10000;

// An installer that closes this program through Restart Manager, to replace its files, starts
// it again afterwards. Where the function does not exist the program is simply not restarted.
void RegisterForRestartAfterInstall() {
    const auto registerRestart =
        reinterpret_cast<RegisterApplicationRestartFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "RegisterApplicationRestart")));
    if (registerRestart)
        registerRestart(nullptr, kRestartNoCrash | kRestartNoHang | kRestartNoReboot);
}

} // namespace

CDimoraApp::CDimoraApp(DWORD startTick)
    : m_deviceCtrl(
          MonitorPorts{m_ddcPort, m_clock, m_processPort, m_displayPort, m_panqPort, m_codePage}),
      m_currentMonitor(m_deviceCtrl, m_monitorsAll), m_startTick(startTick) {}

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
    // The texts reach the windows in the system code page: a Japanese display language on a
    // system of another code page would show every text as "?", so it gets English.
    SetResourceLanguage(ResourceLanguageFor(::GetACP(), ::GetUserDefaultUILanguage()));
    const std::string mutexName = LoadResString(IDS_MUTEX_NAME);
    m_hMutex.Reset(::CreateMutexA(nullptr, TRUE, mutexName.c_str()));
    if (!m_hMutex)
        return false;
    // A second copy ends silently; the first one is not told.
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        m_hMutex.Reset();
        return false;
    }
    // A command run alone that started before this copy works on the monitors: its end is
    // awaited (bounded), and later ones hand over to this copy.
    WaitForCommandRunAlone(kCommandRunAloneWaitMs);

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
    auto* main = new CDimoraDlg(MainWindowContext{
        m_registryPort, m_strings, m_deviceCtrl, m_monitorsAll, m_currentMonitor, m_shell,
        m_gammaPort, m_clock, m_gammaList, m_dataFolder, m_filter, m_startTick});
    m_pMainWnd = main;
    if (!main->Create(IDD_DIMORA_DIALOG, nullptr)) {
        // A window that existed and was destroyed has deleted its object already (and the
        // framework forgot it as main window); one that never existed has not.
        if (m_pMainWnd == main)
            delete main;
        m_pMainWnd = nullptr;
        return false;
    }
    m_shell.m_mainShown = 0;
    RegisterForRestartAfterInstall();
    return true;
}

int CDimoraApp::ExitInstance() {
    if (m_hMutex)
        ::ReleaseMutex(m_hMutex.Get());
    m_hMutex.Reset();
    return CWinAppLite::ExitInstance();
}
