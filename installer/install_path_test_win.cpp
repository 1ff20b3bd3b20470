// The utility's installation as a user goes through it, in a Wine prefix made for this test: the
// disk menu started from a copy of the disk, the package installed, the menu left through Exit
// and the installed program started from the machine-wide Run value, the program at work on
// simulated monitors, a newer package replacing this one, and the removal.
#include "utility/res/resource.h"
#include "utility/shell/user_messages.h"
#include "utility/testing/utility_process_win.h"

#include <windows.h>

#include <msi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace utility_process;

constexpr char kDisk[] = INSTALLER_TEST_DISK;
constexpr char kNextPackage[] = INSTALLER_NEXT_PACKAGE;
constexpr char kProductCode[] = INSTALLER_PRODUCT_CODE;
constexpr char kNextProductCode[] = INSTALLER_NEXT_PRODUCT_CODE;
constexpr char kUpgradeCode[] = INSTALLER_UPGRADE_CODE;
// The launcher's tab control and Exit button: its resource header's names are the utility's too.
constexpr int kLauncherTab = 1004;
constexpr int kLauncherExit = 1003;
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<std::string> DataNames() {
    std::vector<std::string> names;
    std::istringstream list(INSTALLER_DATA_NAMES);
    for (std::string name; std::getline(list, name, '|');)
        names.push_back(name);
    return names;
}

class Process {
  public:
    explicit Process(std::string command) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        m_started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &m_info) != FALSE;
    }
    ~Process() {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_info.hProcess, 99);
        ::CloseHandle(m_info.hProcess);
        ::CloseHandle(m_info.hThread);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code, or STILL_ACTIVE when the process has not ended within `ms`.
    DWORD Wait(DWORD ms) {
        DWORD code = STILL_ACTIVE;
        if (m_started && ::WaitForSingleObject(m_info.hProcess, ms) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }
    DWORD id() const { return m_info.dwProcessId; }

  private:
    PROCESS_INFORMATION m_info{};
    bool m_started = false;
};

std::string Quoted(const std::string& text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

DWORD Msiexec(const std::string& arguments) {
    return Process("msiexec.exe " + arguments + " /qn").Wait(120000);
}

std::string RunValue() {
    char value[512] = {};
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, "DimoraDdcci", RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS)
        return {};
    return value;
}

std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string DataFolder() {
    return SpecialFolder(CSIDL_COMMON_APPDATA) + "\\Orvane\\Visomat (DDCCI)\\";
}

std::string Parent(const std::string& folder) {
    return folder.substr(0, folder.find_last_of('\\', folder.size() - 2) + 1);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Windows puts a per-machine package's shortcut in the all-users menu, Wine in the user's.
bool ShortcutExists() {
    const char name[] = "\\Orvane\\Visomat (DDCCI).lnk";
    return Exists(SpecialFolder(CSIDL_COMMON_PROGRAMS) + name) ||
           Exists(SpecialFolder(CSIDL_PROGRAMS) + name);
}

std::vector<std::string> RelatedProducts() {
    std::vector<std::string> codes;
    char code[39] = {};
    for (DWORD i = 0; ::MsiEnumRelatedProductsA(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i)
        codes.push_back(code);
    return codes;
}

BOOL CALLBACK MatchLauncher(HWND window, LPARAM data) {
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !::IsWindowVisible(window) ||
        !::GetDlgItem(window, kLauncherTab) || !::GetDlgItem(window, kLauncherExit))
        return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

HWND WaitLauncher() {
    HWND found = nullptr;
    for (int i = 0; i < 600 && !found; ++i) {
        ::EnumWindows(MatchLauncher, reinterpret_cast<LPARAM>(&found));
        if (!found)
            Pump(50);
    }
    return found;
}

HWND WaitUtility() {
    for (int i = 0; i < 600; ++i) {
        const auto windows = MainWindows();
        if (!windows.empty())
            return windows.front();
        Pump(50);
    }
    return nullptr;
}

LRESULT Query(HWND main, unsigned what) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    ::SendMessageTimeoutA(main, ::RegisterWindowMessageA(kStateQueryMessage), what, 0, SMTO_NORMAL,
                          30000, &result);
    return static_cast<LRESULT>(result);
}

LRESULT QueryUntil(HWND main, unsigned what, LRESULT expected) {
    LRESULT answer = Query(main, what);
    for (int i = 0; answer != expected && i < 200; ++i) {
        Pump(50);
        answer = Query(main, what);
    }
    return answer;
}

bool WaitProcessEnd(HWND window) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process)
        return true;
    const bool ended = ::WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

// The user's path through the utility: its settings window, the colour page, a picture mode.
void PickCustomModeOnColourPage(HWND main) {
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_SETTINGS, 0);
    ASSERT_EQ(QueryUntil(main, kQueryMainShown, 1), 1);
    Pump(300);
    Press({VK_CONTROL, VK_TAB});
    ASSERT_EQ(QueryUntil(main, kQueryCurrentPage, 1), 1);
    Pump(500);
    const HWND modes = VisibleControl(main, IDC_COLOR_MODE_LIST);
    ASSERT_NE(modes, nullptr);
    ::SendMessageA(modes, CB_SETCURSEL, 3, 0);
    ::SendMessageA(::GetParent(modes), WM_COMMAND, MAKEWPARAM(IDC_COLOR_MODE_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(modes));
}

TEST(InstallPath, FromTheDiskThroughAnUpgradeToRemoval) {
    ASSERT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN) << "a fresh system";
    const std::string dump = DumpPath("install_path");
    ::DeleteFileA(dump.c_str());
    // The menu and what it starts inherit the simulated monitors.
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", Monitors("dual.txt").c_str());
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Process launcher(Quoted(std::string(kDisk) + "\\launcher.exe"));
    const HWND menu = WaitLauncher();
    ASSERT_NE(menu, nullptr);

    // The package from the disk, as the Installer item starts it.
    ASSERT_EQ(Msiexec("/i " + Quoted(std::string(kDisk) + "\\Visomat\\DimoraDdcci.msi")), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_DEFAULT);
    const std::string program = RunValue();
    ASSERT_FALSE(program.empty()) << "the Run value names the program";
    EXPECT_NE(program.front(), '"') << "the menu starts the value as a file name, unquoted";
    const std::string folder = program.substr(0, program.rfind('\\') + 1);
    EXPECT_EQ(program.substr(Parent(Parent(folder)).size()),
              "Orvane\\Visomat (DDCCI)\\DimoraDdcci.exe");
    EXPECT_TRUE(Exists(program));
    EXPECT_TRUE(Exists(folder + "libpanq.dll"));
    EXPECT_TRUE(Exists(DataFolder()));
    for (const std::string& name : DataNames())
        EXPECT_TRUE(Exists(DataFolder() + name)) << name;
    EXPECT_TRUE(ShortcutExists());

    // The simulated monitors take the place of the system's and the maker's libraries.
    for (const char* dll : {"dxva2.dll", "libpanq.dll"})
        ASSERT_TRUE(::CopyFileA((std::string(DIMORA_SIMRUN_DIR "/") + dll).c_str(),
                                (folder + dll).c_str(), FALSE))
            << dll;

    // Exit: the menu is left and the program the installer registered starts.
    ::PostMessageA(menu, WM_COMMAND, MAKEWPARAM(kLauncherExit, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(menu, kLauncherExit)));
    EXPECT_EQ(launcher.Wait(20000), 0u);
    ASSERT_GT(reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, nullptr, RunValue().c_str(),
                                                        nullptr, nullptr, SW_SHOWNORMAL)),
              32);
    const HWND main = WaitUtility();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(QueryUntil(main, kQueryReady, 1), 1);
    EXPECT_EQ(Query(main, kQueryMonitorCount), 2);
    EXPECT_EQ(Query(main, kQueryTrayState), 1) << "coloured icon";
    PickCustomModeOnColourPage(main);
    EXPECT_EQ(DumpedMode(dump, 0), 3) << "the picture mode reached the monitor";
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_EXIT, 0);
    ASSERT_TRUE(WaitProcessEnd(main));
    ::DeleteFileA((folder + "dxva2.dll").c_str()); // not the package's
    ::DeleteFileA(dump.c_str());

    // A newer package replaces this one: one product of the family is left.
    ASSERT_EQ(Msiexec("/i " + Quoted(kNextPackage)), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN);
    EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_DEFAULT);
    EXPECT_EQ(RelatedProducts(), std::vector<std::string>{kNextProductCode});
    EXPECT_EQ(RunValue(), program);
    EXPECT_TRUE(Exists(program));

    // The removal takes what the package put there and leaves the user's settings.
    const DWORD keepOnTop = 0;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kRootKey, "NoTopmost", REG_DWORD, &keepOnTop,
                                sizeof keepOnTop),
              ERROR_SUCCESS);
    ASSERT_EQ(Msiexec(std::string("/x ") + kNextProductCode), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_UNKNOWN);
    EXPECT_TRUE(RelatedProducts().empty());
    EXPECT_EQ(RunValue(), "");
    EXPECT_FALSE(Exists(Parent(folder))) << "the program folder and the maker's folder above it";
    EXPECT_FALSE(Exists(Parent(DataFolder()))) << "the data folder and the maker's folder above it";
    EXPECT_FALSE(ShortcutExists());
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, kRootKey, "NoTopmost", RRF_RT_REG_DWORD, nullptr,
                             nullptr, nullptr),
              ERROR_SUCCESS);
}

} // namespace
