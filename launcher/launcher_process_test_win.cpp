// The disk menu as a user meets it: the real launcher.exe started from a disk folder and
// examined from outside through its windows.
#include "launcher/res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string DiskFolder() {
    return LAUNCHER_DISK_DIR;
}

std::string TestDisk(const char* name) {
    return std::string(LAUNCHER_TEST_DISKS_DIR "/") + name;
}

void Pump(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (static_cast<LONG>(::GetTickCount() - end) < 0) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(20);
    }
}

std::wstring Text(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return text;
}

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                      static_cast<WORD>(static_cast<SHORT>(y)));
}

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
        if (::WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    bool started() const { return m_started; }

  private:
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

HWND Item(HWND page, int index) {
    return ::GetDlgItem(page, IDC_ITEM_FIRST + index);
}

int Width(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

TEST(LauncherProcess, OurDiskShowsItsTabsInFileOrderAndTheInformationPage) {
    Launcher launcher(DiskFolder());
    ASSERT_TRUE(launcher.started());
    const HWND main = launcher.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(main), L"Orvane LCD Utility Disk");
    const std::vector<std::wstring> expected{L"Manuals", L"Applications", L"Utilities",
                                             L"Information"};
    EXPECT_EQ(launcher.TabTitles(), expected);
    ASSERT_EQ(launcher.Pages().size(), 4u);
    ASSERT_EQ(launcher.VisiblePages().size(), 1u) << "only the first tab's page shows";
    const HWND manuals = launcher.VisiblePages()[0];
    EXPECT_EQ(Text(Item(manuals, 0)), L"User's Manual");
    EXPECT_EQ(Text(Item(manuals, 2)), L"Read Me");
    EXPECT_TRUE(::IsWindowEnabled(Item(manuals, 0)));
    EXPECT_FALSE(::IsWindowEnabled(Item(manuals, 3)));

    launcher.SelectTab(3);
    ASSERT_EQ(launcher.VisiblePages().size(), 1u);
    const HWND information = launcher.VisiblePages()[0];
    EXPECT_EQ(Text(::GetDlgItem(information, IDC_DESCRIPTION)).rfind(L"Thank you for choosing", 0),
              0u);
    EXPECT_EQ(Text(::GetDlgItem(information, IDC_INFO_LINK)), L"https://www.orvane.example/en/");
    launcher.SelectTab(1);
    ASSERT_EQ(launcher.VisiblePages().size(), 1u);
    EXPECT_EQ(Text(Item(launcher.VisiblePages()[0], 0)), L"Visomat (DDC/CI)");
    EXPECT_EQ(launcher.Exit(), 0u);
}

TEST(LauncherProcess, TabWithThreeItemsEnablesBySystemAndDescribesTheHoveredItem) {
    Launcher launcher(TestDisk("three"));
    const HWND main = launcher.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(main), L"Test Disk");
    const std::vector<std::wstring> expected{L"Tools", L"About", L"Books"};
    EXPECT_EQ(launcher.TabTitles(), expected) << "file order, not kind order";
    ASSERT_EQ(launcher.VisiblePages().size(), 1u);
    const HWND page = launcher.VisiblePages()[0];
    EXPECT_EQ(Text(Item(page, 0)), L"Site");
    EXPECT_EQ(Text(Item(page, 1)), L"Old setup");
    EXPECT_EQ(Text(Item(page, 2)), L"Old application");
    EXPECT_TRUE(::IsWindowEnabled(Item(page, 0)));
    EXPECT_FALSE(::IsWindowEnabled(Item(page, 1))) << "installer for Windows XP only";
    EXPECT_FALSE(::IsWindowEnabled(Item(page, 2))) << "application for Windows XP only";
    for (int i = 3; i < 8; ++i) {
        EXPECT_EQ(Text(Item(page, i)), L"") << "button " << IDC_ITEM_FIRST + i;
        EXPECT_FALSE(::IsWindowEnabled(Item(page, i))) << "button " << IDC_ITEM_FIRST + i;
    }
    EXPECT_LT(Width(Item(page, 0)), Width(Item(page, 3))) << "a link is as wide as its title";
    EXPECT_GT(Width(Item(page, 0)), 0);

    // Hovering: the pointer over the first link, then away from it, then over a disabled one.
    // Only an active launcher highlights items; it is active once started.
    const HWND description = ::GetDlgItem(page, IDC_DESCRIPTION);
    EXPECT_EQ(Text(description), L"");
    ::PostMessageA(Item(page, 0), WM_MOUSEMOVE, 0, Point(2, 2));
    Pump(300);
    EXPECT_EQ(Text(description), L"Opens the test site.");
    ::PostMessageA(Item(page, 0), WM_MOUSEMOVE, 0, Point(2, -30));
    Pump(300);
    EXPECT_EQ(Text(description), L"") << "leaving restores the default text";
    ::PostMessageA(Item(page, 1), WM_MOUSEMOVE, 0, Point(2, 2));
    Pump(300);
    EXPECT_EQ(Text(description), L"") << "a disabled item never lights up";
    ::PostMessageA(Item(page, 0), WM_MOUSEMOVE, 0, Point(2, 2));
    Pump(300);
    EXPECT_EQ(Text(description), L"Opens the test site.");
    // Deactivation clears the highlight.
    ::SendMessageA(main, WM_NCACTIVATE, FALSE, 0);
    Pump(300);
    EXPECT_EQ(Text(description), L"");
    EXPECT_EQ(launcher.Exit(), 0u);
}

// The tests' Wine reports 64-bit Windows 7: items naming it are usable, an item naming only
// other systems (32-bit Windows 7 among them) is not.
TEST(LauncherProcess, ItemsForTheRunningSystemAreEnabledAndOthersNot) {
    Launcher launcher(TestDisk("systems"));
    ASSERT_NE(launcher.Main(), nullptr);
    ASSERT_EQ(launcher.VisiblePages().size(), 1u);
    const HWND page = launcher.VisiblePages()[0];
    EXPECT_EQ(Text(Item(page, 0)), L"Setup for 64-bit Windows 7");
    EXPECT_TRUE(::IsWindowEnabled(Item(page, 0))) << "installer for the running system";
    EXPECT_TRUE(::IsWindowEnabled(Item(page, 1))) << "application for the running system";
    EXPECT_EQ(Text(Item(page, 2)), L"Setup for other systems");
    EXPECT_FALSE(::IsWindowEnabled(Item(page, 2)));
    EXPECT_EQ(launcher.Exit(), 0u);
}

TEST(LauncherProcess, UnusableInformationFileGivesAnEmptyLauncherThatExits) {
    for (const char* disk : {"missing", "malformed", "wrongroot"}) {
        SCOPED_TRACE(disk);
        Launcher launcher(TestDisk(disk));
        const HWND main = launcher.Main();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(Text(main), L"");
        EXPECT_EQ(launcher.TabCount(), 0);
        EXPECT_TRUE(launcher.Pages().empty());
        EXPECT_EQ(launcher.Exit(), 0u);
    }
}

} // namespace
