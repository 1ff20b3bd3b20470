// Auto Veltone as a user meets it: an application registered with a mode comes to the front and
// the monitors switch; another application gets the default; switched off, nothing happens.
#include "utility/process_tests/testing/utility_process_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace utility_process;

const char kApp[] = DIMORA_FOREGROUND_APP;

void SetRoot(const char* key, const char* name, DWORD value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                     sizeof value);
    ::RegCloseKey(handle);
}

class Program {
  public:
    explicit Program(const char* exe) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = std::string("\"") + exe + "\"";
        ::CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &m_process);
        for (int i = 0; i < 200 && !m_window; ++i) {
            Pump(50);
            m_window = ::FindWindowA("DimoraForegroundApp", nullptr);
        }
    }
    ~Program() {
        if (m_window)
            ::PostMessageA(m_window, WM_CLOSE, 0, 0);
        if (m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 10000) != 0)
            ::TerminateProcess(m_process.hProcess, 1);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    HWND Window() const { return m_window; }

  private:
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

// A window of the test program itself: an application without an entry.
HWND OwnWindow() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "DimoraTestsWindow";
        return ::RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return ::CreateWindowExA(0, "DimoraTestsWindow", "tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200,
                             200, 300, 200, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

void Front(HWND window) {
    ::SetForegroundWindow(window);
    Pump(200);
}

// The monitor's picture mode once it is `expected`, or the last one seen after 3 s.
int ModeWithin(const std::string& dump, int monitor, int expected) {
    int mode = Dumped(dump, monitor, "mode");
    for (int i = 0; i < 60 && mode != expected; ++i) {
        Pump(50);
        mode = Dumped(dump, monitor, "mode");
    }
    return mode;
}

TEST(AutoVeltoneProcess, TheRegisteredApplicationSwitchesTheMonitorsAndOthersGetTheDefault) {
    const std::string root = kRootKey;
    const std::string vtone = root + "\\\\Vtone";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, vtone.c_str());
    SetRoot((vtone + "\\\\DIMORA_FOREGROUND_APP").c_str(), "Mode", 2); // Movie mode
    SetRoot(root.c_str(), "DefMode", 3);                               // Custom mode
    SetRoot(root.c_str(), "ModeChange", 1);
    SetRoot(root.c_str(), "MonIndepend", 0);
    const std::string dump = DumpPath("vton");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);

    Program app(kApp);
    ASSERT_NE(app.Window(), nullptr);
    Front(app.Window());
    EXPECT_EQ(ModeWithin(dump, 0, 2), 2) << "Movie mode on the first monitor";
    EXPECT_EQ(ModeWithin(dump, 1, 2), 2) << "and on the second";

    const HWND own = OwnWindow();
    Front(own);
    EXPECT_EQ(ModeWithin(dump, 0, 3), 3) << "no entry: the default";

    // Switched off on the page: nothing follows the foreground any more.
    const HWND activate = AnyControl(main, IDC_VTON_ACTIVATE); // the page is hidden
    ASSERT_NE(activate, nullptr);
    ::SendMessageA(activate, BM_CLICK, 0, 0);
    Front(app.Window());
    Pump(1000);
    EXPECT_EQ(Dumped(dump, 0, "mode"), 3) << "off: the registered application changes nothing";

    ::DestroyWindow(own);
    EXPECT_EQ(utility.Exit(), 0u);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, vtone.c_str());
    ::DeleteFileA(dump.c_str());
}

} // namespace
