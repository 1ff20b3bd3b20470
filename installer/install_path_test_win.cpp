// The utility's installation as a user goes through it, in a Wine prefix made for this test: the
// disk menu started from a copy of the disk, its Install item running the package, the sub-item
// dialog closed and the installed program started from the machine-wide Run value, the program
// at work on simulated monitors, a newer package replacing this one, and the removal.
#include "framework/handles_win.h"
#include "installer/testing/installed_utility_win.h"
#include "launcher/testing/launcher_process_win.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kNextPackage[] = INSTALLER_NEXT_PACKAGE;
constexpr char kProductCode[] = INSTALLER_PRODUCT_CODE;
constexpr char kNextProductCode[] = INSTALLER_NEXT_PRODUCT_CODE;
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

// The package the shell started installs on its own: its end is seen in the product's state.
bool WaitInstalled(const char* productCode) {
    for (int i = 0; i < 1200; ++i) {
        if (::MsiQueryProductStateA(productCode) == INSTALLSTATE_DEFAULT && !RunValue().empty())
            return true;
        Pump(50);
    }
    return false;
}

TEST(InstallPath, FromTheDiskThroughAnUpgradeToRemoval) {
    ASSERT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN) << "a fresh system";
    const std::string dump = installed_utility::DumpPath("install_path");
    ::DeleteFileA(dump.c_str());
    // The menu and what it starts inherit the simulated monitors.
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS",
                              installed_utility::Monitors("dual.txt").c_str());
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Launcher launcher(DiskFolder());
    ASSERT_NE(launcher.Main(), nullptr);

    // Applications, Visomat (DDC/CI), Install: the question before, then the package.
    launcher.SelectTab(1);
    ASSERT_EQ(launcher.VisiblePages().size(), 1u);
    launcher.ClickItem(launcher.VisiblePages()[0], 0);
    const HWND subItems = launcher.WaitDialog(L"Visomat (DDC/CI) ");
    ASSERT_NE(subItems, nullptr);
    PressButton(subItems, IDC_SUB_ITEM_FIRST);
    const HWND question = launcher.WaitDialog(L"launcher");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question).rfind(L"Visomat (DDC/CI) will be installed.", 0), 0u);
    PressButton(question, IDOK);
    ASSERT_TRUE(WaitInstalled(kProductCode));

    const std::string program = RunValue();
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

    // Leaving the sub-items starts what the installer registered; then Exit.
    PressButton(subItems, IDCANCEL);
    const HWND main = installed_utility::WaitReady();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(launcher.Exit(), 0u);
    EXPECT_EQ(installed_utility::Query(main, kQueryMonitorCount), 2);
    EXPECT_EQ(installed_utility::Query(main, kQueryTrayState), 1) << "coloured icon";
    installed_utility::PickPictureMode(main, 3);
    EXPECT_EQ(installed_utility::DumpedMode(dump, 0), 3) << "the picture mode reached the monitor";
    ASSERT_TRUE(installed_utility::Exit(main));
    ::DeleteFileA((folder + "dxva2.dll").c_str()); // not the package's
    ::DeleteFileA(dump.c_str());

    // A newer package replaces this one: one product of the family is left.
    ASSERT_EQ(Msiexec("/i " + Quoted(kNextPackage)), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kProductCode), INSTALLSTATE_UNKNOWN);
    EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_DEFAULT);
    EXPECT_EQ(RelatedProducts(), std::vector<std::string>{kNextProductCode});
    EXPECT_EQ(RunValue(), program);
    EXPECT_TRUE(Exists(program));
    EXPECT_NE(Msiexec("/i " + Quoted(DiskFolder() + "\\Visomat\\DimoraDdcci.msi")), 0u)
        << "the older package refuses to replace the newer one";
    EXPECT_EQ(RelatedProducts(), std::vector<std::string>{kNextProductCode});

    // The removal takes what the package put there and leaves the user's settings.
    const DWORD keepOnTop = 0;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "NoTopmost", REG_DWORD, &keepOnTop,
                                sizeof keepOnTop),
              ERROR_SUCCESS);
    ASSERT_EQ(Msiexec(std::string("/x ") + kNextProductCode), 0u);
    EXPECT_EQ(::MsiQueryProductStateA(kNextProductCode), INSTALLSTATE_UNKNOWN);
    EXPECT_TRUE(RelatedProducts().empty());
    EXPECT_EQ(RunValue(), "");
    EXPECT_FALSE(Exists(Parent(folder))) << "the program folder and the maker's folder above it";
    EXPECT_FALSE(Exists(Parent(DataFolder()))) << "the data folder and the maker's folder above it";
    EXPECT_FALSE(ShortcutExists());
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "NoTopmost", RRF_RT_REG_DWORD,
                             nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
}

} // namespace
