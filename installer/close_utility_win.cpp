// close_utility.dll: the custom action the utility's package runs before Windows Installer looks
// for files in use (before InstallValidate), when files are replaced or removed (installation,
// upgrade and removal, not a Repair). A running utility is asked to end by the Exit command of its
// notification menu, which every version of it takes (a close of its hidden window only hides
// the older ones), and its end is waited for, so that its program and library are never in use
// when they are replaced or removed. Each step goes to the installation log; a utility that
// could not be ended (Windows drops messages from a program to one running with higher rights,
// or it did not end in time) is reported. When one was ended, UTILITY_ENDED is set, and the
// package starts the new utility again once it has installed it. Any failure lets the
// installation go on (Return "ignore"): at worst Windows Installer meets the files in use as it
// would without this action.
#include "framework/handles_win.h"
#include "utility/res/resource.h"

#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <string>
#include <vector>

namespace {

// How long the utility may take to end.
constexpr DWORD kEndMs = 10000;

class Session {
  public:
    explicit Session(MSIHANDLE install) : m_install(install) {}

    // A line of the installation log.
    void Log(const std::wstring& text) { Message(INSTALLMESSAGE_INFO, text); }
    // A warning the user sees with the full interface (and the log keeps).
    void Warn(const std::wstring& text) {
        Message(static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_WARNING | MB_OK | MB_ICONWARNING), text);
    }
    void SetEnded() { ::MsiSetPropertyW(m_install, L"UTILITY_ENDED", L"1"); }

  private:
    void Message(INSTALLMESSAGE kind, const std::wstring& text) {
        const MSIHANDLE record = ::MsiCreateRecord(1);
        if (!record)
            return;
        // Field 0 is the record's format: the text itself.
        ::MsiRecordSetStringW(record, 0, text.c_str());
        ::MsiProcessMessage(m_install, kind, record);
        ::MsiCloseHandle(record);
    }

    MSIHANDLE m_install;
};

std::vector<HWND> UtilityMainWindows() {
    std::vector<HWND> windows;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, DIMORA_MAIN_CLASS, nullptr)) != nullptr)
        windows.push_back(window);
    return windows;
}

// True when the utility of `window` has ended.
bool EndUtility(Session& session, HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    const std::wstring which =
        L"CloseRunningUtility: the utility (process " + std::to_wstring(processId) + L")";
    // Opened first, so that the process can still be waited for once it has ended.
    const ScopedKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!::PostMessageA(window, WM_COMMAND, ID_TRAY_EXIT, 0)) {
        session.Log(which + L" cannot be asked to end, error " + std::to_wstring(::GetLastError()) +
                    L" (it runs with higher rights)");
        return false;
    }
    session.Log(which + L" was asked to end");
    if (!process || ::WaitForSingleObject(process.Get(), kEndMs) != WAIT_OBJECT_0) {
        session.Log(which + L" did not end in time");
        return false;
    }
    session.Log(which + L" has ended");
    return true;
}

} // namespace

extern "C" __declspec(dllexport) UINT WINAPI CloseRunningUtility(MSIHANDLE install) {
    Session session(install);
    const std::vector<HWND> windows = UtilityMainWindows();
    if (windows.empty())
        session.Log(L"CloseRunningUtility: no utility runs in this session");
    bool ended = false;
    bool stayed = false;
    for (HWND window : windows) {
        if (EndUtility(session, window))
            ended = true;
        else
            stayed = true;
    }
    if (ended)
        session.SetEnded();
    if (stayed)
        session.Warn(L"Visomat (DDC/CI) could not be closed. Close it from its notification icon's "
                     L"menu (Exit), then go on; otherwise Windows may have to restart to finish.");
    return ERROR_SUCCESS;
}
