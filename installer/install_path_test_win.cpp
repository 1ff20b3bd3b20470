// The utility's installation as a user goes through it, in a Wine prefix made for this test: the
// release before installed and started from its Run value as Windows starts it at logon; a newer
// package that fails once its installation has begun, which leaves the release before
// installed; the disk menu's close step meeting a window that stays, the menu answering
// meanwhile; the disk menu started from a copy of the disk with the release before running, its
// Install item ending it and running the package, Exit starting the installed program from the
// machine-wide Run value, the program at work on simulated monitors; then a newer package
// installed from a copy of the disk while the program runs, left through Exit at once (Exit
// waits for the installer, then starts the new version); a Repair that leaves the program
// running; the removal while the new program runs; and an upgrade opened from elsewhere with the
// program running, after which the package starts the new version itself.
#include "framework/handles_win.h"
#include "installer/testing/installed_utility_win.h"
#include "launcher/testing/launcher_process_win.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <msi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kNextDisk[] = INSTALLER_NEXT_DISK;
constexpr char kProductCode[] = INSTALLER_PRODUCT_CODE;
constexpr char kNextProductCode[] = INSTALLER_NEXT_PRODUCT_CODE;
constexpr char kPreviousProductCode[] = INSTALLER_PREVIOUS_PRODUCT_CODE;
constexpr char kUpgradeCode[] = INSTALLER_UPGRADE_CODE;
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kSettingsKey[] = "Software\\Orvane\\Visomat (DDCCI) V2.3x";

std::vector<std::string> DataNames() {
    std::vector<std::string> names;
    std::istringstream list(INSTALLER_DATA_NAMES);
    for (std::string name; std::getline(list, name, '|');)
        names.push_back(name);
    return names;
}

DWORD Msiexec(const std::string& arguments) {
    std::string command = "msiexec.exe " + arguments + " /qn";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return ::GetLastError();
    const ScopedKernelHandle process(info.hProcess);
    const ScopedKernelHandle thread(info.hThread);
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(process.Get(), 120000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.Get(), &code);
    return code;
}

std::string Quoted(const std::string& text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
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

// The names in `folder`, in the order listed.
std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

// The version resource of `file`, as "a.b.c".
std::string FileVersion(const std::string& file) {
    std::vector<BYTE> block(::GetFileVersionInfoSizeA(file.c_str(), nullptr));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
        return {};
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS));
}

std::string InstalledVersion(const char* productCode) {
    char version[64] = {};
    DWORD length = sizeof version;
    if (::MsiGetProductInfoA(productCode, INSTALLPROPERTY_VERSIONSTRING, version, &length) !=
        ERROR_SUCCESS)
        return {};
    return version;
}

// Files Windows was asked to replace or delete at the next restart (a file that was in use).
std::string PendingRenames() {
    char value[4096] = {};
    DWORD size = sizeof value - 2;
    ::RegGetValueA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                   "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, value, &size);
    std::string names(value, size);
    for (char& c : names)
        c = c == '\0' ? '|' : c;
    return names;
}

bool InstallerRuns() {
    const ScopedKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
         more = ::Process32Next(snapshot.Get(), &entry)) {
        if (::lstrcmpiA(entry.szExeFile, "msiexec.exe") == 0)
            return true;
    }
    return false;
}

// The package the shell started installs on its own: its end is seen in the product's state,
// then in the installer's own end.
bool WaitInstalled(const char* productCode) {
    for (int i = 0; i < 1200; ++i) {
        if (::MsiQueryProductStateA(productCode) == INSTALLSTATE_DEFAULT && !RunValue().empty()) {
            for (int j = 0; j < 600 && InstallerRuns(); ++j)
                Pump(100);
            return true;
        }
        Pump(50);
    }
    return false;
}

// Applications, Visomat (DDC/CI), Install, and OK to the question before: the package starts.
// Answers the sub-item dialog, still open.
HWND StartInstall(Launcher& launcher) {
    if (!launcher.Main())
        return nullptr;
    launcher.SelectTab(1);
    if (launcher.VisiblePages().size() != 1)
        return nullptr;
    launcher.ClickItem(launcher.VisiblePages()[0], 0);
    const HWND subItems = launcher.WaitDialog(L"Visomat (DDC/CI) ");
    if (!subItems)
        return nullptr;
    PressButton(subItems, IDC_SUB_ITEM_FIRST);
    const HWND question = launcher.WaitDialog(L"launcher");
    if (!question)
        return nullptr;
    EXPECT_EQ(MessageText(question).rfind(L"Visomat (DDC/CI) will be installed.", 0), 0u);
    PressButton(question, IDOK);
    return subItems;
}

// The program of a Run value: the path between its quotes.
std::string Unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    return value.substr(1, value.size() - 2);
}

// Starts the installed program as Windows runs the Run value at logon: the application named,
// and the value as it is as the command line. Answers its main window once it is ready.
HWND StartAsAtLogon() {
    const std::string value = RunValue();
    std::string commandLine = value;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(Unquoted(value).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return installed_utility::WaitReady();
}

// A top-level window of this process that ignores a close, titled as the utility's.
LRESULT CALLBACK StubbornProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE)
        return 0;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeStubbornWindow() {
    WNDCLASSW type{};
    type.lpfnWndProc = StubbornProc;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.lpszClassName = L"DimoraStubbornTest";
    ::RegisterClassW(&type);
    return ::CreateWindowW(L"DimoraStubbornTest", L"Visomat (DDC/CI)", WS_POPUP, 0, 0, 1, 1,
                           nullptr, nullptr, type.hInstance, nullptr);
}

// The simulated monitors take the place of the system's and the maker's libraries beside the
// installed program.
void UseSimulatedMonitors(const std::string& folder) {
    for (const char* dll : {"dxva2.dll", "libpanq.dll"})
        ASSERT_TRUE(::CopyFileA((std::string(DIMORA_SIMRUN_DIR "/") + dll).c_str(),
                                (folder + dll).c_str(), FALSE))
            << dll;
}

// Closes the sub-item dialog, which starts nothing, then leaves through Exit, which starts the
// installed program: answers its main window once it is ready.
HWND LeaveThroughExit(Launcher& launcher, HWND subItems) {
    PressButton(subItems, IDCANCEL);
    for (int i = 0; i < 100 && ::IsWindow(subItems); ++i)
        Pump(50);
    Pump(1000);
    EXPECT_TRUE(!installed_utility::AnyRunning())
        << "the sub-item dialog's end starts nothing: the installer may still be at work";
    // Exit waits for an installer still at work before it starts anything.
    DWORD code = launcher.Exit();
    for (int i = 0; i < 10 && code == STILL_ACTIVE; ++i)
        code = launcher.WaitForEnd();
    EXPECT_EQ(code, 0u);
    return installed_utility::WaitReady();
}

TEST(InstallPath, FromTheDiskThroughAnUpgradeWithTheUtilityRunningToRemoval) {
    ASSERT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN) << "a fresh system";
    const std::string dump = installed_utility::DumpPath("install_path");
    ::DeleteFileA(dump.c_str());
    // The menu and what it starts inherit the simulated monitors.
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS",
                              installed_utility::Monitors("dual.txt").c_str());
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());

    // The release before, installed and started as at logon; a newer package that fails once
    // its installation has begun leaves it installed.
    ASSERT_EQ(Msiexec("/i " + Quoted(INSTALLER_PREVIOUS_PACKAGE)), 0u);
    const std::string runValue = RunValue();
    ASSERT_GT(runValue.size(), 2u);
    EXPECT_EQ(runValue.front(), '"') << "Windows runs the value as a command line: it is quoted";
    const std::string program = Unquoted(runValue);
    const std::string folder = program.substr(0, program.rfind('\\') + 1);
    UseSimulatedMonitors(folder);
    HWND main = StartAsAtLogon();
    ASSERT_NE(main, nullptr) << "started from the Run value as Windows starts it";
    EXPECT_EQ(FileVersion(program), "2.3.0");
    EXPECT_NE(Msiexec("/i " + Quoted(INSTALLER_FAILING_PACKAGE)), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kPreviousProductCode), INSTALLSTATE_DEFAULT)
        << "the failed upgrade left the release before installed";
    EXPECT_EQ(FileVersion(program), "2.3.0") << "and its files in place";
    EXPECT_EQ(RunValue(), runValue);
    EXPECT_TRUE(Exists(folder + "libpanq.dll"));
    for (const std::string& name : DataNames())
        EXPECT_TRUE(Exists(DataFolder() + name)) << name;
    if (installed_utility::AnyRunning()) {
        ASSERT_TRUE(installed_utility::Exit(main));
    }

    // The close step meets a window that stays: the menu answers meanwhile, then says so, and
    // the user stops.
    {
        const HWND stubborn = MakeStubbornWindow();
        ASSERT_NE(stubborn, nullptr);
        Launcher launcher(DiskFolder());
        const HWND subItems = StartInstall(launcher);
        ASSERT_NE(subItems, nullptr);
        Pump(1000);
        DWORD_PTR answer = 0;
        EXPECT_NE(::SendMessageTimeoutA(launcher.Tab(), TCM_SETCURFOCUS, 0, 0, SMTO_ABORTIFHUNG,
                                        2000, &answer),
                  0)
            << "the menu answers during the close step's wait";
        Pump(300);
        EXPECT_EQ(::SendMessageA(launcher.Tab(), TCM_GETCURSEL, 0, 0), 0) << "and changed its tab";
        const HWND report = launcher.WaitDialog(L"launcher");
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(MessageText(report).rfind(L"Visomat (DDC/CI) could not be closed.", 0), 0u);
        PressButton(report, IDCANCEL);
        PressButton(subItems, IDCANCEL);
        EXPECT_EQ(launcher.Close(), 0u);
        ::DestroyWindow(stubborn);
    }
    EXPECT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN) << "nothing installed";
    main = StartAsAtLogon();
    ASSERT_NE(main, nullptr);
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    Pump(500);
    EXPECT_TRUE(installed_utility::AnyRunning()) << "a close only hides the release before";
    ScopedKernelHandle oldProgram = installed_utility::ProcessOf(main);

    // This version from the disk, with the release before running: the menu ends it, removes
    // it and installs this one.
    {
        Launcher launcher(DiskFolder());
        const HWND subItems = StartInstall(launcher);
        ASSERT_NE(subItems, nullptr);
        EXPECT_EQ(::WaitForSingleObject(oldProgram.Get(), 20000), WAIT_OBJECT_0)
            << "the close step ended the release before";
        HWND removal = nullptr;
        for (int i = 0; i < 20 && !removal; ++i) {
            removal = launcher.WaitDialog(L"launcher");
            if (removal && MessageText(removal).rfind(L"Setup program will uninstall", 0) != 0)
                removal = nullptr;
        }
        ASSERT_NE(removal, nullptr) << "the menu offers to remove the release before";
        PressButton(removal, IDYES);
        ASSERT_TRUE(WaitInstalled(kProductCode));
        EXPECT_EQ(::MsiQueryProductStateA(kPreviousProductCode), INSTALLSTATE_UNKNOWN);
        EXPECT_EQ(RunValue(), runValue);
        EXPECT_EQ(PendingRenames().find("Visomat"), std::string::npos)
            << "nothing waits for a restart: " << PendingRenames();
        EXPECT_EQ(program.substr(Parent(Parent(folder)).size()),
                  "Orvane\\Visomat (DDCCI)\\DimoraDdcci.exe");
        EXPECT_TRUE(Exists(program));
        EXPECT_TRUE(Exists(folder + "libpanq.dll"));
        EXPECT_TRUE(Exists(DataFolder()));
        for (const std::string& name : DataNames())
            EXPECT_TRUE(Exists(DataFolder() + name)) << name;
        EXPECT_TRUE(ShortcutExists());
        EXPECT_EQ(InstalledVersion(kProductCode), INSTALLER_VERSION);
        EXPECT_EQ(FileVersion(program), INSTALLER_VERSION)
            << "the package's version is the program's";
        UseSimulatedMonitors(folder);
        main = LeaveThroughExit(launcher, subItems);
    }
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(installed_utility::Query(main, kQueryMonitorCount), 2);
    EXPECT_EQ(installed_utility::Query(main, kQueryTrayState), 1) << "coloured icon";
    installed_utility::PickPictureMode(main, 3);
    EXPECT_EQ(installed_utility::DumpedMode(dump, 0), 3) << "the picture mode reached the monitor";
    oldProgram = installed_utility::ProcessOf(main);
    ASSERT_TRUE(oldProgram);

    // The newer package from a copy of the disk, with this version running, left through Exit
    // while the installer is at work.
    {
        Launcher launcher(kNextDisk);
        const HWND subItems = StartInstall(launcher);
        ASSERT_NE(subItems, nullptr);
        EXPECT_EQ(::WaitForSingleObject(oldProgram.Get(), 20000), WAIT_OBJECT_0)
            << "the running program ends by itself";
        main = LeaveThroughExit(launcher, subItems);
        EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_DEFAULT);
        EXPECT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN);
        EXPECT_EQ(RelatedProducts(), std::vector<std::string>{kNextProductCode});
        EXPECT_EQ(RunValue(), runValue);
        EXPECT_EQ(PendingRenames().find("Visomat"), std::string::npos)
            << "nothing waits for a restart: " << PendingRenames();
        EXPECT_EQ(InstalledVersion(kNextProductCode), INSTALLER_NEXT_VERSION);
        EXPECT_EQ(FileVersion(program), INSTALLER_NEXT_VERSION) << "the new program replaced it";
    }
    ASSERT_NE(main, nullptr);
    const ScopedKernelHandle newProgram = installed_utility::ProcessOf(main);
    ASSERT_TRUE(newProgram);
    EXPECT_EQ(installed_utility::Query(main, kQueryVersion), INSTALLER_NEXT_VERSION_QUERY)
        << "Exit started the new version";
    // A Repair from the installed version's package.
    EXPECT_EQ(Msiexec("/i " + Quoted(std::string(kNextDisk) + "\\Visomat\\DimoraDdcci.msi") +
                      " REINSTALL=ALL REINSTALLMODE=omus"),
              0u);
    EXPECT_EQ(::WaitForSingleObject(newProgram.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "a Repair leaves the running program alone";
    EXPECT_NE(Msiexec("/i " + Quoted(DiskFolder() + "\\Visomat\\DimoraDdcci.msi")), 0u)
        << "the older package refuses to replace the newer one";
    EXPECT_EQ(RelatedProducts(), std::vector<std::string>{kNextProductCode});
    EXPECT_EQ(::WaitForSingleObject(newProgram.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "and leaves the running program alone";

    // The removal, with the new version running, takes what the package put there and leaves
    // the user's settings.
    const DWORD keepOnTop = 0;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "NoTopmost", REG_DWORD, &keepOnTop,
                                sizeof keepOnTop),
              ERROR_SUCCESS);
    ASSERT_EQ(Msiexec(std::string("/x ") + kNextProductCode), 0u);
    EXPECT_EQ(::WaitForSingleObject(newProgram.Get(), 0), WAIT_OBJECT_0) << "no program runs";
    EXPECT_TRUE(!installed_utility::AnyRunning());
    EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_UNKNOWN);
    EXPECT_TRUE(RelatedProducts().empty());
    EXPECT_EQ(RunValue(), "");
    EXPECT_EQ(PendingRenames().find("Visomat"), std::string::npos) << PendingRenames();
    // Of the program folder only the test's own simulated dxva2.dll is left (so the folders
    // stay too).
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"dxva2.dll"});
    EXPECT_EQ(FilesIn(Parent(folder)), std::vector<std::string>{"Visomat (DDCCI)"});
    EXPECT_FALSE(Exists(Parent(DataFolder()))) << "the data folder and the maker's folder above it";
    EXPECT_FALSE(ShortcutExists());
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "NoTopmost", RRF_RT_REG_DWORD,
                             nullptr, nullptr, nullptr),
              ERROR_SUCCESS);

    // An upgrade opened from elsewhere than the disk menu, with the utility running: the package
    // ends it and starts the new version once it has installed it.
    ASSERT_EQ(Msiexec("/i " + Quoted(DiskFolder() + "\\Visomat\\DimoraDdcci.msi")), 0u);
    UseSimulatedMonitors(folder);
    main = StartAsAtLogon();
    ASSERT_NE(main, nullptr);
    const ScopedKernelHandle ended = installed_utility::ProcessOf(main);
    ASSERT_EQ(Msiexec("/i " + Quoted(std::string(kNextDisk) + "\\Visomat\\DimoraDdcci.msi")), 0u);
    EXPECT_EQ(::WaitForSingleObject(ended.Get(), 0), WAIT_OBJECT_0) << "the package ended it";
    main = installed_utility::WaitReady();
    ASSERT_NE(main, nullptr) << "and started the new version again";
    EXPECT_EQ(installed_utility::Query(main, kQueryVersion), INSTALLER_NEXT_VERSION_QUERY);
    EXPECT_EQ(Msiexec(std::string("/x ") + kNextProductCode), 0u);
    ::DeleteFileA(dump.c_str());
}

} // namespace
