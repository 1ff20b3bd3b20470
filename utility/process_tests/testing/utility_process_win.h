// Test support: the real DimoraDdcci.exe started beside the simulated monitor DLLs and driven
// from outside, as a user would, with the simulated monitors' register dump to read what reached
// them.
#pragma once

#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace utility_process {

inline const char kExe[] = DIMORA_SIMRUN_DIR "/DimoraDdcci.exe";
inline const char kRootKey[] = "Software\\Orvane\\Visomat (DDCCI) V2.3x";

inline std::string Monitors(const char* file) {
    return std::string(DIMORA_SIM_MONITORS "/") + file;
}

// Top-level main windows of the utility, of any process.
inline std::vector<HWND> MainWindows() {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, DIMORA_MAIN_CLASS, nullptr)) != nullptr)
        found.push_back(window);
    return found;
}

inline void Pump(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (static_cast<LONG>(::GetTickCount() - end) < 0) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(20);
    }
}

inline void Key(BYTE vk, bool up) {
    ::keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

inline void Press(std::initializer_list<BYTE> chord) {
    for (BYTE vk : chord)
        Key(vk, false);
    for (auto it = std::rbegin(chord); it != std::rend(chord); ++it)
        Key(*it, true);
    Pump(300);
}

class Utility {
  public:
    explicit Utility(const char* monitors)
        : Utility(monitors, kExe, std::string("\"") + kExe + "\"") {}
    // Started as Windows starts a program: `exe` as the application name and `commandLine` as
    // the raw line the program reads, as it is.
    Utility(const char* monitors, const std::string& exe, std::string commandLine) {
        ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", Monitors(monitors).c_str());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        m_started = ::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &m_process) != FALSE;
    }
    ~Utility() {
        if (m_started && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.hProcess, 99);
        if (m_started) {
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
    }

    // The main window of this process, once its initialisation has finished.
    HWND Main() {
        for (int i = 0; i < 600 && !m_main; ++i) {
            for (HWND window : MainWindows()) {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(window, &pid);
                if (pid == m_process.dwProcessId)
                    m_main = window;
            }
            if (!m_main)
                Pump(50);
        }
        for (int i = 0; m_main && i < 600 && Query(kQueryReady) != 1; ++i)
            Pump(50);
        return m_main;
    }

    // The answer to `what` once it equals `expected`, or the last answer after `ms`: keyboard
    // input is handled after sent messages, so an answer may lag behind the keys.
    LRESULT QueryUntil(unsigned what, LRESULT expected, DWORD ms = 5000) {
        LRESULT answer = Query(what);
        for (DWORD waited = 0; answer != expected && waited < ms; waited += 50) {
            Pump(50);
            answer = Query(what);
        }
        return answer;
    }

    LRESULT Query(unsigned what) {
        DWORD_PTR result = static_cast<DWORD_PTR>(-1);
        ::SendMessageTimeoutA(m_main, ::RegisterWindowMessageA(kStateQueryMessage), what, 0,
                              SMTO_NORMAL, 30000, &result);
        return static_cast<LRESULT>(result);
    }

    // Ends the process through the notification menu's Exit; answers its exit code.
    DWORD Exit() {
        ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_EXIT, 0);
        return WaitExit(20000);
    }

    DWORD WaitExit(DWORD ms) {
        if (::WaitForSingleObject(m_process.hProcess, ms) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    // Shows the main window as the notification menu's first item does.
    void ShowSettings() {
        ::PostMessageA(m_main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
        QueryUntil(kQueryMainShown, 1);
        Pump(300);
    }

    bool started() const { return m_started; }

  private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_main = nullptr;
};

struct ControlSearch {
    int id;
    HWND found;
};

inline BOOL CALLBACK MatchVisibleControl(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(window) != search.id || !::IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

// The visible control `id` among the main window's descendants (page controls share ids).
inline HWND VisibleControl(HWND main, int id) {
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(main, MatchVisibleControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The picture mode the dump of the simulated monitors shows for monitor `index`; -1 without one.
inline BOOL CALLBACK MatchControl(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(window) != search.id)
        return TRUE;
    search.found = window;
    return FALSE;
}

// Control `id` among the main window's descendants, shown or not.
inline HWND AnyControl(HWND main, int id) {
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(main, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A value of monitor `index` in the simulated monitors' dump: the number after `field` (for
// example "mode" or "vcp 10"); -1 without one.
inline int Dumped(const std::string& dump, int index, const std::string& field) {
    FILE* file = std::fopen(dump.c_str(), "r");
    if (!file)
        return -1;
    char line[256];
    int monitor = -1, found = -1;
    const std::string format = field + " %d";
    while (std::fgets(line, sizeof line, file)) {
        int value = 0;
        if (std::sscanf(line, "monitor %d", &value) == 1)
            monitor = value;
        else if (monitor == index && std::sscanf(line, format.c_str(), &value) == 1)
            found = value;
    }
    std::fclose(file);
    return found;
}

inline int DumpedMode(const std::string& dump, int index) {
    return Dumped(dump, index, "mode");
}

// A dump file in the temporary folder, named for `test`.
inline std::string DumpPath(const char* test) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "dimora_" + test + "_dump.txt";
}
inline void WaitGone(HWND window) {
    for (int i = 0; i < 200 && ::IsWindow(window); ++i)
        Pump(50);
}
inline void Click(HWND page, int id) {
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

// A top-level window of `main`'s process that has control `id`, once it exists.
inline HWND DialogWith(HWND main, int id) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (int i = 0; i < 200; ++i) {
        for (HWND window = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); window;
             window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == pid && ::IsWindowVisible(window) && ::GetDlgItem(window, id))
                return window;
        }
        Pump(50);
    }
    return nullptr;
}

// A control's text: asked of the control itself, since GetWindowText does not ask controls of
// other processes.
inline std::string TextOf(HWND control) {
    char text[1024] = {};
    ::SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace utility_process
