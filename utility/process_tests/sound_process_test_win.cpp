// The sound page and the monitor connection list as a user meets them: the real DimoraDdcci.exe
// beside the simulated monitor DLLs, driven from outside, with the simulated monitors' register
// dump showing what reached them.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace utility_process;

// The text of a control of another process (GetWindowText answers only captions there).
std::string Text(HWND window) {
    char text[256] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Drags `slider` of `page` through `from` ... `to` and lets it go there.
void DragSlider(HWND page, HWND slider, int from, int to) {
    for (int position = from; position <= to; ++position) {
        ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
        ::SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                       reinterpret_cast<LPARAM>(slider));
    }
    ::SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

TEST(SoundProcess, VolumeReachesTheMonitorAndHidingThePageStoresIt) {
    const std::string dump = DumpPath("sound");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    utility.ShowSettings();
    Press({VK_CONTROL, VK_SHIFT, VK_TAB});
    ASSERT_EQ(utility.QueryUntil(kQueryCurrentPage, 2), 2);
    Pump(500);
    const HWND slider = VisibleControl(main, IDC_SOUND_SLIDER);
    ASSERT_NE(slider, nullptr);
    const HWND page = ::GetParent(slider);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), 20) << "the first monitor's volume";
    EXPECT_EQ(Text(::GetDlgItem(page, IDC_SOUND_VALUE)), "20");
    EXPECT_TRUE(::IsWindowEnabled(slider));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page, IDC_SOUND_RESET)));

    DragSlider(page, slider, 21, 35);
    EXPECT_EQ(Dumped(dump, 0, "vcp 62"), 35);
    EXPECT_EQ(Text(::GetDlgItem(page, IDC_SOUND_VALUE)), "35");
    EXPECT_EQ(Dumped(dump, 0, "store"), -1) << "nothing stored while the page shows";
    Press({VK_CONTROL, VK_TAB});
    ASSERT_EQ(utility.QueryUntil(kQueryCurrentPage, 0), 0);
    EXPECT_EQ(Dumped(dump, 0, "store"), 10) << "the sound store command";
    EXPECT_EQ(Dumped(dump, 1, "store"), -1);
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

// The monitor connection list of the utility whose main window is `main`, once it shows.
HWND MonitorList(HWND main) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (int i = 0; i < 200; ++i) {
        HWND dialog = nullptr;
        while ((dialog = ::FindWindowExA(nullptr, dialog, "#32770", nullptr)) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(dialog, &owner);
            if (owner == pid && ::GetDlgItem(dialog, IDC_MONLIST_LIST) && ::IsWindowVisible(dialog))
                return dialog;
        }
        Pump(50);
    }
    return nullptr;
}

// The lines of a list box of another process. They are asked for in UTF-16: Wine hands an ANSI
// caller of another process only the first character of each line.
std::vector<std::string> Lines(HWND list) {
    std::vector<std::string> lines;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[256] = {};
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        char line[256] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, line, sizeof line, nullptr, nullptr);
        lines.push_back(line);
    }
    return lines;
}

TEST(SoundProcess, ConnectionListShowsEveryMonitorAndClosesForARescan) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    HWND dialog = MonitorList(main);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Lines(::GetDlgItem(dialog, IDC_MONLIST_LIST)),
              (std::vector<std::string>{"1)    Monitor1-1   /  EX-2451W   /  51000001",
                                        "2)    Monitor1-2   /  EX-2780    /  52000002"}));
    EXPECT_FALSE(Text(::GetDlgItem(dialog, IDC_MONLIST_NOTE)).empty());
    RECT desktop{}, placed{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(dialog, &placed);
    EXPECT_EQ(placed.left, desktop.right / 2 - (placed.right - placed.left) / 2);
    EXPECT_EQ(placed.top, desktop.bottom / 6);
    EXPECT_EQ(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST,
              ::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST)
        << "above other windows as the main window is";

    ::SendMessageA(dialog, WM_CLOSE_FOR_RESCAN, 0, 0);
    WaitGone(dialog);
    EXPECT_FALSE(::IsWindow(dialog));

    ::PostMessageA(main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    dialog = MonitorList(main);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDCANCEL); // "&Close"
    WaitGone(dialog);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(utility.Exit(), 0u);
}

} // namespace
