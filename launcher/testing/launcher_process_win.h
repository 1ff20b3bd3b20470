// Drives the real launcher.exe from outside for the process tests: starts it from a disk
// folder, finds its windows, reads them and leaves through Exit.
#pragma once

#include "launcher/res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// The disk the build lays out, and the test disks beside it.
std::string DiskFolder();
std::string TestDisk(const char* name);

// Dispatches this thread's messages for `ms` milliseconds.
void Pump(DWORD ms);
std::wstring Text(HWND window);
LPARAM Point(int x, int y);

class Launcher {
  public:
    explicit Launcher(const std::string& folder) {
        // The pointer away from where the window will be: a real pointer over a link would
        // hover it on its own.
        ::SetCursorPos(0, 0);
        const std::string exe = folder + "/launcher.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + exe + "\"";
        m_started = ::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &m_process) != FALSE;
    }
    ~Launcher() {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.hProcess, 99);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // The visible main dialog of this process, once it has been shown (its pages are made by
    // then).
    HWND Main() {
        for (int i = 0; i < 400 && m_started && !m_main; ++i) {
            ::EnumWindows(&Launcher::FindMain, reinterpret_cast<LPARAM>(this));
            if (!m_main)
                Pump(50);
        }
        if (m_main)
            Pump(300);
        return m_main;
    }
    HWND Tab() const { return ::GetDlgItem(m_main, IDC_TAB); }

    // The pages, children of the tab control, in creation order.
    std::vector<HWND> Pages() const {
        std::vector<HWND> pages;
        HWND page = nullptr;
        while ((page = ::FindWindowExA(Tab(), page, "#32770", nullptr)) != nullptr)
            pages.push_back(page);
        return pages;
    }
    std::vector<HWND> VisiblePages() const {
        std::vector<HWND> visible;
        for (HWND page : Pages()) {
            if (::IsWindowVisible(page))
                visible.push_back(page);
        }
        return visible;
    }

    int TabCount() const { return static_cast<int>(::SendMessageA(Tab(), TCM_GETITEMCOUNT, 0, 0)); }

    // The tab titles, read through a buffer in the launcher's own memory.
    std::vector<std::wstring> TabTitles() {
        std::vector<std::wstring> titles;
        constexpr std::size_t kChars = 256;
        const std::size_t size = sizeof(TCITEMW) + kChars * sizeof(wchar_t);
        void* remote =
            ::VirtualAllocEx(m_process.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (!remote)
            return titles;
        for (int i = 0; i < TabCount(); ++i) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof item);
            item.cchTextMax = kChars;
            wchar_t text[kChars] = {};
            ::WriteProcessMemory(m_process.hProcess, remote, &item, sizeof item, nullptr);
            if (::SendMessageW(Tab(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(remote))) {
                ::ReadProcessMemory(m_process.hProcess, remote, &item, sizeof item, nullptr);
                ::ReadProcessMemory(m_process.hProcess, item.pszText, text,
                                    sizeof text - sizeof(wchar_t), nullptr);
            }
            titles.push_back(text);
        }
        ::VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
        return titles;
    }

    // Selects tab `index` as a click would: the launcher is told of the change.
    void SelectTab(int index) {
        ::SendMessageA(Tab(), TCM_SETCURFOCUS, index, 0);
        Pump(300);
    }

    // Leaves through Exit; answers the exit code.
    DWORD Exit() {
        ::PostMessageA(m_main, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(m_main, IDC_EXIT)));
        return WaitForEnd();
    }
    // Leaves through the caption's close box; answers the exit code.
    DWORD Close() {
        ::PostMessageA(m_main, WM_SYSCOMMAND, SC_CLOSE, 0);
        return WaitForEnd();
    }
    DWORD WaitForEnd() {
        if (::WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    bool started() const { return m_started; }

    // A visible top-level dialog of this process with caption `caption` (the launcher's own
    // message boxes are captioned "launcher"), once it shows; null after 20 s without one.
    HWND WaitDialog(const std::wstring& caption);
    // Clicks item link `index` of `page` as a user would: the pointer on it, then the link's
    // click notification (posted: the action may run a modal dialog).
    void ClickItem(HWND page, int index);

  private:
    struct DialogSearch {
        DWORD processId;
        const std::wstring* caption;
        HWND found;
    };
    static BOOL CALLBACK FindDialog(HWND window, LPARAM search);
    static BOOL CALLBACK FindMain(HWND window, LPARAM self) {
        auto* launcher = reinterpret_cast<Launcher*>(self);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        char name[32] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (pid == launcher->m_process.dwProcessId && std::string(name) == "#32770" &&
            ::IsWindowVisible(window)) {
            launcher->m_main = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_main = nullptr;
};

// The text of a message box (its static text control).
std::wstring MessageText(HWND box);
// Presses `button` of a dialog of the launcher (IDOK, IDYES, a control id, ...).
void PressButton(HWND dialog, int button);

// A file that programs started by the launcher append their command line to (recordstart.exe,
// through the LAUNCHER_TEST_RECORD variable the launcher inherits); emptied at construction.
class StartRecord {
  public:
    StartRecord();
    ~StartRecord();
    StartRecord(const StartRecord&) = delete;
    StartRecord& operator=(const StartRecord&) = delete;
    // Waits (up to 20 s) until a recorded line holds `part`; answers that line, or empty.
    std::wstring WaitFor(const std::wstring& part) const;
    // Everything recorded so far.
    std::wstring Contents() const;

  private:
    std::string m_path;
};
