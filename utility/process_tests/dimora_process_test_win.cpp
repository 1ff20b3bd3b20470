// The utility as a user meets it: the real DimoraDdcci.exe started beside the simulated monitor
// DLLs, driven from outside through its windows, its registry values and the keyboard.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <commctrl.h>

#include <wtsapi32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace utility_process;

void SetNoTopmost(DWORD* value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRootKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        ::RegSetValueExA(key, "NoTopmost", 0, REG_DWORD, reinterpret_cast<BYTE*>(value),
                         sizeof *value);
    else
        ::RegDeleteValueA(key, "NoTopmost");
    ::RegCloseKey(key);
}

DWORD ReadNoTopmost() {
    DWORD value = 0xFFFF, size = sizeof value;
    ::RegGetValueA(HKEY_CURRENT_USER, kRootKey, "NoTopmost", RRF_RT_REG_DWORD, nullptr, &value,
                   &size);
    return value;
}

bool Topmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class UtilityProcess : public testing::Test {
  protected:
    void SetUp() override { SetNoTopmost(nullptr); }
    void TearDown() override { SetNoTopmost(nullptr); }
};

TEST_F(UtilityProcess, StartsHiddenWithColouredIconAndExitsCleanly) {
    Utility utility("dual.txt");
    ASSERT_TRUE(utility.started());
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_EQ(utility.Query(kQueryMonitorCount), 2);
    EXPECT_EQ(utility.Query(kQueryTrayState), 1) << "coloured icon with a monitor to control";
    EXPECT_TRUE(Topmost(main)) << "kept on top without a stored choice";
    EXPECT_EQ(utility.Query(kQueryKeepOnTop), 1);
    EXPECT_EQ(utility.Exit(), 0u);
    EXPECT_TRUE(MainWindows().empty());
}

TEST_F(UtilityProcess, SecondInstanceEndsWithoutAWindow) {
    Utility first("dual.txt");
    ASSERT_NE(first.Main(), nullptr);
    Utility second("dual.txt");
    ASSERT_TRUE(second.started());
    EXPECT_NE(second.WaitExit(20000), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_EQ(first.Query(kQueryMonitorCount), 2) << "the first copy is untouched";
    EXPECT_EQ(first.Exit(), 0u);
}

TEST_F(UtilityProcess, GreyIconWithoutMonitorAndMenuOffersOnlyExit) {
    Utility utility("none.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(utility.Query(kQueryMonitorCount), 0);
    EXPECT_EQ(utility.Query(kQueryTrayState), 2) << "grey icon";
    // Double-click does nothing without a monitor.
    ::PostMessageA(main, WM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
    Pump(500);
    EXPECT_EQ(utility.Query(kQueryMainShown), 0);
    // The right-click menu's first and only item is Exit.
    ::PostMessageA(main, WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
    for (int i = 0; i < 100; ++i) {
        const HWND menu = ::FindWindowA("#32768", nullptr);
        if (menu && ::IsWindowVisible(menu))
            break;
        Pump(50);
    }
    Pump(300);
    Press({VK_DOWN});
    Press({VK_RETURN});
    EXPECT_EQ(utility.WaitExit(20000), 0u);
}

TEST_F(UtilityProcess, StoredNoTopmostAndKeepOnTopToggle) {
    DWORD one = 1;
    SetNoTopmost(&one);
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(Topmost(main));
    EXPECT_EQ(utility.Query(kQueryKeepOnTop), 0) << "\"Keep On Top\" unchecked";
    ::SendMessageA(main, WM_SYSCOMMAND, IDM_KEEPONTOP, 0);
    EXPECT_TRUE(Topmost(main));
    EXPECT_EQ(utility.Query(kQueryKeepOnTop), 1);
    EXPECT_EQ(ReadNoTopmost(), 0u);
    ::SendMessageA(main, WM_SYSCOMMAND, IDM_KEEPONTOP, 0);
    EXPECT_FALSE(Topmost(main));
    EXPECT_EQ(utility.Query(kQueryKeepOnTop), 0);
    EXPECT_EQ(ReadNoTopmost(), 1u);
    EXPECT_EQ(utility.Exit(), 0u);
}

TEST_F(UtilityProcess, KeyboardCyclesPagesAndEnterOnTabsKeepsTheWindow) {
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    utility.ShowSettings();
    ASSERT_EQ(utility.Query(kQueryMainShown), 1);
    EXPECT_EQ(utility.Query(kQueryCurrentPage), 0);
    Press({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(utility.QueryUntil(kQueryCurrentPage, 2), 2) << "backwards from the first page wraps";
    Press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(utility.QueryUntil(kQueryCurrentPage, 0), 0) << "forwards from the last page wraps";
    Press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(utility.QueryUntil(kQueryCurrentPage, 1), 1);
    Press({VK_RETURN});
    Press({VK_CONTROL, VK_TAB}); // handled after the Enter: once it shows, Enter has been seen
    EXPECT_EQ(utility.QueryUntil(kQueryCurrentPage, 2), 2);
    EXPECT_EQ(utility.Query(kQueryMainShown), 1) << "Enter on the tab control does nothing";
    EXPECT_TRUE(::IsWindowVisible(main));
    Press({VK_MENU, 'C'});
    EXPECT_EQ(utility.QueryUntil(kQueryMainShown, 0), 0) << "Alt+C hides the window";

    // Alt+A on the tab control reaches the Auto Veltone page's "Activate &Auto Veltone" once.
    utility.ShowSettings();
    const HWND activate = VisibleControl(main, IDC_VTON_ACTIVATE);
    ASSERT_NE(activate, nullptr);
    const LRESULT before = ::SendMessageA(activate, BM_GETCHECK, 0, 0);
    Press({VK_MENU, 'A'});
    for (int i = 0; i < 40 && ::SendMessageA(activate, BM_GETCHECK, 0, 0) == before; ++i)
        Pump(50);
    Pump(500);
    EXPECT_NE(::SendMessageA(activate, BM_GETCHECK, 0, 0), before) << "pressed once, not twice";
    ::SendMessageA(activate, BM_CLICK, 0, 0); // as it was, for the tests after this one
    EXPECT_EQ(utility.Exit(), 0u);
}

TEST_F(UtilityProcess, PictureModePickedOnTheColourPageReachesTheMonitor) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string dump = std::string(temp) + "dimora_colour_dump.txt";
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    utility.ShowSettings();
    Press({VK_CONTROL, VK_TAB});
    ASSERT_EQ(utility.QueryUntil(kQueryCurrentPage, 1), 1);
    Pump(500);
    const HWND modes = VisibleControl(main, IDC_COLOR_MODE_LIST);
    ASSERT_NE(modes, nullptr);
    ASSERT_EQ(::SendMessageA(modes, CB_GETCOUNT, 0, 0), 7) << "modes 0-4, 17 and 31";
    EXPECT_EQ(::SendMessageA(modes, CB_GETCURSEL, 0, 0), 0) << "the monitor is in mode 0";
    EXPECT_TRUE(::IsWindowEnabled(modes));
    EXPECT_EQ(DumpedMode(dump, 0), 0);

    // The user picks "Custom mode" (mode 3).
    ::SendMessageA(modes, CB_SETCURSEL, 3, 0);
    ::SendMessageA(::GetParent(modes), WM_COMMAND, MAKEWPARAM(IDC_COLOR_MODE_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(modes));
    EXPECT_EQ(::SendMessageA(modes, CB_GETITEMDATA, 3, 0), 3);
    EXPECT_EQ(DumpedMode(dump, 0), 3) << "written to the current monitor";
    EXPECT_EQ(DumpedMode(dump, 1), 2) << "the other monitor keeps its mode";

    // Mode 17 is offered by the monitor's information but not by its vendor page list: the
    // write is refused before it reaches the monitor and the list goes back.
    ::SendMessageA(modes, CB_SETCURSEL, 5, 0);
    ::SendMessageA(::GetParent(modes), WM_COMMAND, MAKEWPARAM(IDC_COLOR_MODE_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(modes));
    EXPECT_EQ(::SendMessageA(modes, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(DumpedMode(dump, 0), 3);
    EXPECT_EQ(utility.Exit(), 0u);
    ::DeleteFileA(dump.c_str());
}

// The overlays of the utility's main window, in window order.
std::vector<HWND> Overlays(HWND main) {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, "DimoraOverlay", nullptr)) != nullptr) {
        if (::GetWindow(window, GW_OWNER) == main)
            found.push_back(window);
    }
    return found;
}

void SetFilter(const std::string* picture) {
    const std::string key = std::string(kRootKey) + "\\VSFilter";
    if (!picture) {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        return;
    }
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS)
        return;
    const BYTE on = 1;
    const DWORD type = 2, alpha = 100;
    const LONG luminance = 0;
    ::RegSetValueExA(handle, "On", 0, REG_BINARY, &on, 1);
    ::RegSetValueExA(handle, "FileType", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&type), 4);
    ::RegSetValueExA(handle, "FilePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(picture->c_str()),
                     static_cast<DWORD>(picture->size() + 1));
    ::RegSetValueExA(handle, "Alpha", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&alpha), 4);
    ::RegSetValueExA(handle, "Luminance", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&luminance),
                     4);
    ::RegCloseKey(handle);
}

// A 2 x 2 pixel 24-bit BMP file in the temporary folder.
std::string WritePicture() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "dimora_filter_test.bmp";
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = 16;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    const unsigned char pixels[16] = {0x80, 0x40, 0x20, 0x80, 0x40, 0x20};
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels, sizeof pixels, 1, out);
    std::fclose(out);
    return path;
}

TEST_F(UtilityProcess, TwoDisplayChangesGiveOneRescanAndOverlaysStayHiddenWhileTheFilterIsOff) {
    SetFilter(nullptr);
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(utility.Query(kQueryRescans), 1);
    const auto overlays = Overlays(main);
    ASSERT_EQ(overlays.size(), 2u) << "one per monitor";
    for (HWND overlay : overlays) {
        EXPECT_EQ(::GetWindowLongA(overlay, GWL_EXSTYLE) & 0x000800A8, 0x000800A8);
        EXPECT_FALSE(::IsWindowVisible(overlay));
    }
    ::SendMessageA(main, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000));
    ::SendMessageA(main, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000));
    EXPECT_TRUE(Overlays(main).empty()) << "gone until the rescan";
    EXPECT_EQ(utility.QueryUntil(kQueryRescans, 2, 10000), 2);
    Pump(2500);
    EXPECT_EQ(utility.Query(kQueryRescans), 2) << "one rescan for the burst";
    EXPECT_EQ(Overlays(main).size(), 2u);
    EXPECT_EQ(utility.Query(kQueryMonitorCount), 2);
    EXPECT_EQ(utility.Exit(), 0u);
}

TEST_F(UtilityProcess, StoredFilterShowsItsPictureAndIsReappliedAfterResumeAndUnlock) {
    const std::string picture = WritePicture();
    SetFilter(&picture);
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    const auto overlays = Overlays(main);
    ASSERT_EQ(overlays.size(), 2u);
    for (HWND overlay : overlays) {
        EXPECT_TRUE(::IsWindowVisible(overlay));
        BYTE alpha = 0;
        EXPECT_TRUE(::GetLayeredWindowAttributes(overlay, nullptr, &alpha, nullptr));
        EXPECT_EQ(alpha, 100);
    }
    EXPECT_EQ(utility.Query(kQueryFilterReapply), 0);
    ::SendMessageA(main, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    // A resume the user woke the machine for, as Windows sends it: the automatic one first.
    ::SendMessageA(main, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_EQ(utility.Query(kQueryFilterReapply), 1) << "re-applied 7 s after resume";
    ::SendMessageA(main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    ::SendMessageA(main, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
    EXPECT_EQ(utility.Query(kQueryFilterReapply), 1);
    EXPECT_EQ(utility.QueryUntil(kQueryFilterReapply, 0, 12000), 0) << "and done";
    EXPECT_EQ(utility.Exit(), 0u);
    SetFilter(nullptr);
    ::DeleteFileA(picture.c_str());
}

// An installer making way ends the program as Exit does, whether it closes the hidden window
// (the disk menu's close step) or asks through the end-session messages (Restart Manager); the
// stored settings stay. The user's close of the shown window only hides it.
TEST_F(UtilityProcess, AnInstallersCloseOrEndSessionRequestEndsItAsExitDoes) {
    const std::string picture = WritePicture();
    SetFilter(&picture);
    for (const bool endSession : {false, true}) {
        SCOPED_TRACE(endSession ? "end-session request" : "close of the hidden window");
        Utility utility("dual.txt");
        const HWND main = utility.Main();
        ASSERT_NE(main, nullptr);
        ASSERT_EQ(Overlays(main).size(), 2u);
        if (endSession) {
            EXPECT_EQ(::SendMessageA(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
            ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
        } else {
            utility.ShowSettings();
            ::SendMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(utility.Query(kQueryMainShown), 0);
            EXPECT_EQ(utility.Query(kQueryTrayState), 1) << "hidden, still running";
            ::SendMessageA(main, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(utility.WaitExit(20000), 0u) << "ended by itself";
        EXPECT_TRUE(MainWindows().empty());
        EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, (std::string(kRootKey) + "\\VSFilter").c_str(),
                                 "FilePath", RRF_RT_REG_SZ, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS)
            << "the settings stay";
    }
    SetFilter(nullptr);
    ::DeleteFileA(picture.c_str());
}

// The colour adjustment dialog of this test's utility, once its values are loaded.
HWND ColourDialog(HWND main) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    for (int i = 0; i < 200; ++i) {
        HWND dialog = nullptr;
        while ((dialog = ::FindWindowExA(nullptr, dialog, "#32770", "Color Adjustment")) !=
               nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(dialog, &owner);
            // OK is enabled in the template until the dialog's initialisation disables it, and
            // again once the values are loaded; only a visible dialog has been initialised.
            if (owner == pid && ::IsWindowVisible(dialog) &&
                ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)))
                return dialog;
        }
        Pump(50);
    }
    return nullptr;
}

// Moves `slider` of the dialog to `position` as a drag that ends there would.
void MoveSlider(HWND dialog, int slider, int position) {
    const HWND control = ::GetDlgItem(dialog, slider);
    ::SendMessageA(control, TBM_SETPOS, TRUE, position);
    ::SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                   reinterpret_cast<LPARAM>(control));
}

// The colour page on view: the main window shown as the menu's first item shows it, one Ctrl+Tab
// on; null when it did not come.
HWND ShowColourPage(Utility& utility, HWND main) {
    utility.ShowSettings();
    Press({VK_CONTROL, VK_TAB});
    if (utility.QueryUntil(kQueryCurrentPage, 1) != 1)
        return nullptr;
    Pump(500);
    return ::GetParent(VisibleControl(main, IDC_COLOR_ADJUST));
}

// A click whose handler opens a loop: posted, so that the test does not wait inside it.
void PostClick(HWND page, int id) {
    ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

// The colour page's settings registered under `name`, typed as the user types it.
void RegisterData(HWND page, const char* name) {
    const HWND box = ::GetDlgItem(page, IDC_COLOR_DATA_NAME);
    ::SetWindowTextA(box, name);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOR_DATA_NAME, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(box));
    Click(page, IDC_COLOR_REGISTER);
}

DWORD StoredRecordSize(const char* name, DWORD* type) {
    const std::string key = std::string(kRootKey) + "\\Color";
    BYTE data[512];
    DWORD size = sizeof data;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, type, data, &size) !=
        ERROR_SUCCESS)
        return 0;
    return size;
}

TEST_F(UtilityProcess, ColourAdjustmentReachesTheMonitorCancelPutsItBackAndDataRestoresIt) {
    const std::string dump = DumpPath("colour_dialog");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", dump.c_str());
    Utility utility("dual.txt");
    ::SetEnvironmentVariableA("DIMORA_SIM_DUMP", nullptr);
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    const HWND page = ShowColourPage(utility, main);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(Dumped(dump, 0, "vcp 10"), 50);

    // Register the settings as they are under a typed name.
    const HWND name = ::GetDlgItem(page, IDC_COLOR_DATA_NAME);
    RegisterData(page, "Evening");
    DWORD type = 0;
    EXPECT_EQ(StoredRecordSize("Evening", &type), 172u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    // A slider move reaches the monitor at once; Cancel puts the opening value back.
    PostClick(page, IDC_COLOR_ADJUST);
    HWND dialog = ColourDialog(main);
    ASSERT_NE(dialog, nullptr);
    MoveSlider(dialog, IDC_SUB_BRIGHTNESS_SLIDER, 80);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 80);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitGone(dialog);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 50) << "Cancel writes back the opening value";

    // Another value kept with OK; Restore brings the registered one back.
    PostClick(page, IDC_COLOR_ADJUST);
    dialog = ColourDialog(main);
    ASSERT_NE(dialog, nullptr);
    MoveSlider(dialog, IDC_SUB_BRIGHTNESS_SLIDER, 70);
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    WaitGone(dialog);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 70);
    ::SendMessageA(name, CB_SETCURSEL, 0, 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COLOR_DATA_NAME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(name));
    Click(page, IDC_COLOR_RESTORE);
    EXPECT_EQ(Dumped(dump, 0, "vcp 10"), 50) << "the registered brightness";
    EXPECT_EQ(utility.Exit(), 0u);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kRootKey) + "\\Color").c_str());
    ::DeleteFileA(dump.c_str());
}

// Xvfb runs no window manager, and Wine waits 2 s for one to confirm every managed window it
// hides or destroys, which would add 2 s to every box a test closes. While this lives the
// utilities started are left unmanaged; Wine reads the setting when a program starts.
struct UnmanagedUtilityWindows {
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\DimoraDdcci.exe\\X11 Driver";
    UnmanagedUtilityWindows() {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "Managed", REG_SZ, "N", 2);
    }
    ~UnmanagedUtilityWindows() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "Managed"); }
};

// The ms from a display change sent now until the utility shows what the displays give (a rescan
// more than `rescans`, both overlays, the coloured icon, both monitors, no loop open), or -1 when
// that has not come within `limitMs`.
long SettleAfterDisplayChange(Utility& utility, HWND main, LRESULT rescans, DWORD limitMs) {
    const DWORD changed = ::GetTickCount();
    ::SendMessageA(main, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1000));
    if (!Overlays(main).empty())
        return -1;
    while (::GetTickCount() - changed < limitMs) {
        Pump(50);
        if (utility.Query(kQueryRescans) == rescans + 1 && Overlays(main).size() == 2 &&
            utility.Query(kQueryTrayState) == 1 && utility.Query(kQueryMonitorCount) == 2 &&
            utility.Query(kQueryModalLoops) == 0)
            return static_cast<long>(::GetTickCount() - changed);
    }
    return -1;
}

// The program's message loops as a user opens them: each one is counted while it is open (the
// rescan, Exit and the command line must know), and a display change ends it and rescans at once
// after: within 2 s of what the same change takes with nothing open (the rescan's own monitor
// pauses) the overlays are back, the icon is coloured and both monitors are listed. A question
// ended this way is answered with the button that changes nothing.
TEST_F(UtilityProcess, ADisplayChangeEndsWhateverLoopIsOpenAndRescansAtOnce) {
    const struct {
        const char* name;
        UINT message; // posted to the main window; 0: the colour page's button `wParam` clicked
        WPARAM wParam;
        LPARAM lParam;
    } loops[] = {
        {"About box", WM_SYSCOMMAND, IDM_ABOUTBOX, 0},
        {"notification menu", WM_TRAY_NOTIFY, 0, WM_RBUTTONUP},
        {"monitor connection list", WM_COMMAND, ID_TRAY_MONITOR_LIST, 0},
        {"colour adjustment dialog", 0, IDC_COLOR_ADJUST, 0},
        {"colour page's question (Delete)", 0, IDC_COLOR_DELETE, 0},
    };
    SetFilter(nullptr);
    const UnmanagedUtilityWindows unmanaged;
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    const long floorMs =
        SettleAfterDisplayChange(utility, main, utility.Query(kQueryRescans), 20000);
    ASSERT_GT(floorMs, 0);
    std::printf("nothing open: settled %ld ms after the display change\n", floorMs);
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.name);
        if (loop.message) {
            ::PostMessageA(main, loop.message, loop.wParam, loop.lParam);
        } else {
            const HWND page = ShowColourPage(utility, main);
            ASSERT_NE(page, nullptr);
            if (loop.wParam == IDC_COLOR_DELETE)
                RegisterData(page, "Evening");
            PostClick(page, static_cast<int>(loop.wParam));
        }
        ASSERT_EQ(utility.QueryUntil(kQueryModalLoops, 1), 1) << "counted while it is open";
        const long ms = SettleAfterDisplayChange(utility, main, utility.Query(kQueryRescans),
                                                 static_cast<DWORD>(floorMs) + 2000);
        EXPECT_GT(ms, 0) << "rescans " << utility.Query(kQueryRescans) << ", overlays "
                         << Overlays(main).size() << ", loops " << utility.Query(kQueryModalLoops);
        std::printf("%s: settled %ld ms after the display change\n", loop.name, ms);
        utility.QueryUntil(kQueryModalLoops, 0, 20000); // settled, for the next row
    }
    EXPECT_EQ(StoredRecordSize("Evening", nullptr), 172u)
        << "the question's Cancel deletes nothing";
    EXPECT_EQ(utility.Exit(), 0u);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kRootKey) + "\\Color").c_str());
}

// Exit ends in bounded time whatever is open. An installer's close first meets the shown window,
// which only hides, also with the colour adjustment dialog open over it: the window stays hidden
// after the dialog. Then, with the dialog, the About box, the monitor list and the menu open one
// inside the other, the close of the hidden window ends the program within 5 s.
TEST_F(UtilityProcess, ExitEndsWithinFiveSecondsWhateverIsOpen) {
    const UnmanagedUtilityWindows unmanaged;
    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    HWND page = ShowColourPage(utility, main);
    ASSERT_NE(page, nullptr);
    PostClick(page, IDC_COLOR_ADJUST);
    HWND dialog = ColourDialog(main);
    ASSERT_NE(dialog, nullptr);
    ::SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(utility.Query(kQueryMainShown), 0);
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitGone(dialog);
    Pump(300);
    EXPECT_FALSE(::IsWindowVisible(main)) << "hidden, as the program takes it to be";
    EXPECT_EQ(utility.Query(kQueryMainShown), 0);

    page = ShowColourPage(utility, main);
    ASSERT_NE(page, nullptr);
    PostClick(page, IDC_COLOR_ADJUST);
    ASSERT_NE(ColourDialog(main), nullptr);
    ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ASSERT_EQ(utility.QueryUntil(kQueryModalLoops, 2), 2);
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    ASSERT_EQ(utility.QueryUntil(kQueryModalLoops, 3), 3);
    ::PostMessageA(main, WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
    ASSERT_EQ(utility.QueryUntil(kQueryModalLoops, 4), 4);
    ::SendMessageA(main, WM_CLOSE, 0, 0); // shown: hides
    const DWORD closed = ::GetTickCount();
    ::SendMessageA(main, WM_CLOSE, 0, 0); // hidden: an installer making way
    EXPECT_EQ(utility.WaitExit(5000), 0u);
    std::printf("ended %lu ms after the close\n", ::GetTickCount() - closed);
}

} // namespace
