// The disk menu as a user meets it: the real launcher.exe started from a disk folder and
// examined from outside through its windows.
#include "launcher/res/resource.h"
#include "launcher/testing/launcher_process_win.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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

// The disk's manuals: by model and language, or by language alone.
TEST(LauncherProcess, OurDiskManualsAskForModelAndLanguage) {
    Launcher launcher(DiskFolder());
    ASSERT_NE(launcher.Main(), nullptr);
    const HWND manuals = launcher.VisiblePages().at(0);
    launcher.ClickItem(manuals, 0);
    const HWND models = launcher.WaitDialog(L"Model and Language Selection");
    ASSERT_NE(models, nullptr);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(models, IDC_MODEL_LIST), CB_GETCOUNT, 0, 0), 2);
    for (int id = IDC_LANGUAGE_FIRST; id <= IDC_LANGUAGE_LAST; ++id)
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(models, id)) != 0, id <= IDC_LANGUAGE_FIRST + 1)
            << "Japanese and English only: " << id;
    PressButton(models, IDCANCEL);

    launcher.ClickItem(manuals, 1);
    const HWND languages = launcher.WaitDialog(L"Language Selection");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(::GetDlgItem(languages, IDC_MODEL_LIST), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(languages, IDC_LANGUAGE_FIRST + 1)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(languages, IDC_LANGUAGE_LAST)));
    PressButton(languages, IDCANCEL);
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
