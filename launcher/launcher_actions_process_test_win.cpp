// What the items do, seen from outside the real launcher on the "actions" test disk: the shell
// starts recordstart.exe (through a test file type and address scheme registered here, or
// directly), which records its command line and folder; message boxes and the selection and
// sub-item dialogs are read and answered through their windows.
#include "framework/handles_win.h"
#include "launcher/res/resource.h"
#include "launcher/testing/launcher_process_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

void CloseRegistryKey(HKEY key) {
    ::RegCloseKey(key);
}
using ScopedRegistryKey = ScopedHandle<HKEY, CloseRegistryKey>;

void SetString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY created = nullptr;
    if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                          nullptr) != ERROR_SUCCESS)
        return;
    const ScopedRegistryKey opened(created);
    ::RegSetValueExW(opened.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// A Windows path on the actions disk.
std::wstring OnDisk(const wchar_t* relative) {
    std::wstring path = Wide(TestDisk("actions")) + L"\\" + relative;
    for (wchar_t& c : path)
        c = c == L'/' ? L'\\' : c;
    return path;
}

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"DimoraLauncherTestRun";
constexpr const wchar_t* kProductCode = L"{3D6A1E55-8B0C-4F2E-9A77-21C4E5B8D901}";

// The .dmtest file type and the dimoratest: address scheme open with recordstart.exe, and the
// Run value names the disk's registered.exe, for as long as the object lives.
class TestRegistrations {
  public:
    TestRegistrations() {
        const std::wstring command = L"\"" + OnDisk(L"Tools\\recordstart.exe") + L"\" \"%1\"";
        SetString(HKEY_CLASSES_ROOT, L".dmtest", nullptr, L"DimoraTest.Document");
        SetString(HKEY_CLASSES_ROOT, L"DimoraTest.Document\\shell\\open\\command", nullptr,
                  command);
        SetString(HKEY_CLASSES_ROOT, L"dimoratest", nullptr, L"URL:dimoratest");
        SetString(HKEY_CLASSES_ROOT, L"dimoratest", L"URL Protocol", L"");
        SetString(HKEY_CLASSES_ROOT, L"dimoratest\\shell\\open\\command", nullptr, command);
        SetString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, OnDisk(L"Tools\\registered.exe"));
    }
    ~TestRegistrations() {
        for (const wchar_t* key : {L".dmtest", L"DimoraTest.Document", L"dimoratest"})
            ::RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
        HKEY run = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            const ScopedRegistryKey opened(run);
            ::RegDeleteValueW(opened.Get(), kRunValue);
        }
    }
    TestRegistrations(const TestRegistrations&) = delete;
    TestRegistrations& operator=(const TestRegistrations&) = delete;
};

// Runs msiexec with `arguments` and waits for it.
bool RunMsiexec(const std::wstring& arguments) {
    std::wstring command = L"msiexec.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    const ScopedKernelHandle processHandle(process.hProcess);
    const ScopedKernelHandle thread(process.hThread);
    ::WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    return code == 0;
}

#ifdef LAUNCHER_TEST_MSI
// The test package installed quietly for as long as the object lives.
class InstalledTestProduct {
  public:
    InstalledTestProduct()
        : m_installed(RunMsiexec(std::wstring(L"/i \"") + Wide(LAUNCHER_TEST_MSI) + L"\" /qn")) {}
    ~InstalledTestProduct() { RunMsiexec(std::wstring(L"/x ") + kProductCode + L" /qn"); }
    InstalledTestProduct(const InstalledTestProduct&) = delete;
    InstalledTestProduct& operator=(const InstalledTestProduct&) = delete;
    bool installed() const { return m_installed; }

  private:
    bool m_installed;
};
#endif

class LauncherActions : public testing::Test {
  protected:
    void SetUp() override {
        m_main = m_launcher.Main();
        ASSERT_NE(m_main, nullptr);
        ASSERT_EQ(m_launcher.VisiblePages().size(), 1u);
        m_page = m_launcher.VisiblePages()[0];
    }

    TestRegistrations m_registrations;
    StartRecord m_record;
    Launcher m_launcher{TestDisk("actions")};
    HWND m_main = nullptr;
    HWND m_page = nullptr;
};

enum ActionItem { kSite, kTool, kMissingTool, kGuide, kSuite, kSetup, kUpgrade, kNotes };

TEST_F(LauncherActions, WebAndExecuteItemsGoThroughTheShellAndAMissingFileIsReported) {
    m_launcher.ClickItem(m_page, kSite);
    EXPECT_NE(m_record.WaitFor(L"dimoratest:hello"), L"") << m_record.Contents();

    m_launcher.ClickItem(m_page, kTool);
    const std::wstring tool = m_record.WaitFor(L"alpha beta");
    EXPECT_NE(tool.find(L"recordstart.exe"), std::wstring::npos) << m_record.Contents();
    EXPECT_EQ(tool.substr(tool.rfind(L'|') + 1), OnDisk(L"Tools")) << "starts in its own folder";

    m_launcher.ClickItem(m_page, kMissingTool);
    const HWND box = m_launcher.WaitDialog(L"launcher");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), L"No File");
    PressButton(box, IDOK);
    EXPECT_EQ(m_launcher.Exit(), 0u);
}

TEST_F(LauncherActions, ManualOfTwoModelsAsksForModelAndLanguageAndOpensTheChoice) {
    m_launcher.ClickItem(m_page, kGuide);
    const HWND dialog = m_launcher.WaitDialog(L"Model and Language Selection");
    ASSERT_NE(dialog, nullptr);
    const HWND models = ::GetDlgItem(dialog, IDC_MODEL_LIST);
    ASSERT_EQ(::SendMessageW(models, CB_GETCOUNT, 0, 0), 2);
    wchar_t first[64] = {};
    wchar_t second[64] = {};
    ::SendMessageW(models, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    ::SendMessageW(models, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
    EXPECT_EQ(std::wstring(first) + L"," + second, L"A-100,B-200") << "file order";
    EXPECT_EQ(::SendMessageW(models, CB_GETCURSEL, 0, 0), 0);
    const auto enabled = [&](int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != 0; };
    // Japanese, English, Deutsch, Francais, Chinese.
    EXPECT_TRUE(enabled(1008));
    EXPECT_TRUE(enabled(1009));
    EXPECT_FALSE(enabled(1010));
    EXPECT_FALSE(enabled(1012));

    ::SendMessageW(models, CB_SETCURSEL, 1, 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MODEL_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(models));
    EXPECT_TRUE(enabled(1008));
    EXPECT_FALSE(enabled(1009)) << "the second model has no English manual";

    // Enter without an OK button chooses nothing.
    PressButton(dialog, IDOK);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    ::SendMessageW(models, CB_SETCURSEL, 0, 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MODEL_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(models));
    PressButton(dialog, 1009);
    EXPECT_NE(m_record.WaitFor(L"a_en.dmtest"), L"") << m_record.Contents();
    EXPECT_EQ(m_launcher.Exit(), 0u);
}

// Only Exit starts the registered programs. (Checked once the launcher has ended: it would have
// asked the shell before ending.)
TEST_F(LauncherActions, ClosingOtherwiseStartsNoRunValue) {
    m_launcher.ClickItem(m_page, kSetup);
    EXPECT_NE(m_record.WaitFor(L"install|"), L"") << m_record.Contents();
    EXPECT_EQ(m_launcher.Close(), 0u);
    Pump(1000);
    EXPECT_EQ(m_record.Contents().find(L"registered.exe"), std::wstring::npos)
        << m_record.Contents();
}

TEST_F(LauncherActions, ItemsLightUpAgainAfterASelectionDialog) {
    m_launcher.ClickItem(m_page, kGuide);
    const HWND dialog = m_launcher.WaitDialog(L"Model and Language Selection");
    ASSERT_NE(dialog, nullptr);
    PressButton(dialog, IDCANCEL);
    for (int i = 0; i < 100 && ::IsWindow(dialog); ++i)
        Pump(50);
    const HWND site = ::GetDlgItem(m_page, IDC_ITEM_FIRST + kSite);
    ::PostMessageW(site, WM_MOUSEMOVE, 0, Point(2, 2));
    Pump(300);
    EXPECT_EQ(Text(::GetDlgItem(m_page, IDC_DESCRIPTION)), L"Opens a test address.");
    EXPECT_EQ(m_launcher.Exit(), 0u);
}

TEST_F(LauncherActions, DocumentWithoutAssociatedProgramOffersTheReader) {
    m_launcher.ClickItem(m_page, kNotes);
    const HWND box = m_launcher.WaitDialog(L"launcher");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box).rfind(L"Adobe(R) Reader(R) is required", 0), 0u) << MessageText(box);
    PressButton(box, IDNO);
    EXPECT_EQ(m_launcher.Exit(), 0u);
}

// The sub-item dialog's installer is remembered after the dialog has gone; Exit starts its Run
// value once, also when the page's installer registered the same program.
TEST_F(LauncherActions, ApplicationItemOpensItsSubItemsAndExitStartsTheirRunValueOnce) {
    m_launcher.ClickItem(m_page, kSuite);
    const HWND dialog = m_launcher.WaitDialog(L"Suite ");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_SUB_ITEM_FIRST)), L"Install");
    EXPECT_EQ(Text(::GetDlgItem(dialog, IDC_SUB_ITEM_FIRST + 1)), L"Latest");
    for (int id = IDC_SUB_ITEM_FIRST + 2; id <= IDC_SUB_ITEM_LAST; ++id) {
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, id))) << id;
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, id))) << id;
    }
    RECT window{};
    RECT second{};
    ::GetWindowRect(dialog, &window);
    ::GetWindowRect(::GetDlgItem(dialog, IDC_SUB_ITEM_FIRST + 1), &second);
    EXPECT_LT(window.bottom - second.bottom, 40) << "cut below the second button";
    PressButton(dialog, IDC_SUB_ITEM_FIRST + 1);
    EXPECT_NE(m_record.WaitFor(L"dimoratest:latest"), L"") << m_record.Contents();
    PressButton(dialog, IDC_SUB_ITEM_FIRST);
    EXPECT_NE(m_record.WaitFor(L"suite-setup"), L"") << m_record.Contents();
    EXPECT_TRUE(::IsWindowVisible(dialog)) << "the dialog stays open";
    EXPECT_EQ(m_record.Contents().find(L"registered.exe"), std::wstring::npos);
    PressButton(dialog, IDCANCEL);
    for (int i = 0; i < 100 && ::IsWindow(dialog); ++i)
        Pump(50);
    EXPECT_FALSE(::IsWindow(dialog));
    m_launcher.ClickItem(m_page, kSetup);
    EXPECT_NE(m_record.WaitFor(L"install|"), L"") << m_record.Contents();
    Pump(1000);
    EXPECT_EQ(m_record.Contents().find(L"registered.exe"), std::wstring::npos)
        << "nothing starts before Exit: " << m_record.Contents();
    EXPECT_EQ(m_launcher.Exit(), 0u);
    EXPECT_NE(m_record.WaitFor(L"registered.exe"), L"") << m_record.Contents();
    Pump(1000);
    const std::wstring record = m_record.Contents();
    const std::size_t first = record.find(L"registered.exe");
    EXPECT_EQ(record.find(L"registered.exe", first + 1), std::wstring::npos) << "once: " << record;
}

// After an item's message box the pointer may be elsewhere: the link lets go of the mouse, so
// the next click anywhere in the window is not swallowed, and shows the default text again.
// Over the link it takes the mouse back, so that leaving it is still noticed.
TEST_F(LauncherActions, AnItemTakesTheMouseBackAfterItsMessageOnlyWhileThePointerIsOnIt) {
    const HWND link = ::GetDlgItem(m_page, IDC_ITEM_FIRST + kMissingTool);
    for (const bool pointerStays : {false, true}) {
        SCOPED_TRACE(pointerStays ? "pointer on the link" : "pointer elsewhere");
        m_launcher.ClickItem(m_page, kMissingTool);
        const HWND box = m_launcher.WaitDialog(L"launcher");
        ASSERT_NE(box, nullptr);
        if (!pointerStays)
            ::SetCursorPos(0, 0);
        PressButton(box, IDOK);
        for (int i = 0; i < 100 && ::IsWindow(box); ++i)
            Pump(50);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(m_page, nullptr), &thread));
        if (pointerStays) {
            EXPECT_EQ(thread.hwndCapture, link);
        } else {
            EXPECT_EQ(thread.hwndCapture, nullptr);
            EXPECT_EQ(Text(::GetDlgItem(m_page, IDC_DESCRIPTION)), L"");
        }
    }
    EXPECT_EQ(m_launcher.Exit(), 0u);
}

TEST_F(LauncherActions, InstalledProductIsOfferedForRemovalAndExitStartsTheRunValue) {
#ifdef LAUNCHER_TEST_MSI
    {
        const InstalledTestProduct product;
        ASSERT_TRUE(product.installed());
        m_launcher.ClickItem(m_page, kUpgrade);
        const HWND box = m_launcher.WaitDialog(L"launcher");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), L"Setup program will uninstall other version of software "
                                    L"before installing this version.");
        PressButton(box, IDNO);
    }
#endif
    m_launcher.ClickItem(m_page, kSetup);
    EXPECT_NE(m_record.WaitFor(L"install|"), L"") << m_record.Contents();
    EXPECT_EQ(m_record.Contents().find(L"upgrade"), std::wstring::npos)
        << "declining the removal starts nothing";
    EXPECT_EQ(m_record.Contents().find(L"registered.exe"), std::wstring::npos);
    EXPECT_EQ(m_launcher.Exit(), 0u);
    EXPECT_NE(m_record.WaitFor(L"registered.exe"), L"") << m_record.Contents();
}

} // namespace
