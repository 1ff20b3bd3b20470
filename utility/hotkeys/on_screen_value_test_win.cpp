// The on-screen value's window on the system Wine presents: its styles and place on every
// display, the focus it never takes, its fade and restart, and what it holds after thousands of
// shows.
#include "framework/own_objects_win.h"
#include "utility/hotkeys/on_screen_value_win.h"
#include "utility/hotkeys/on_screen_value_wnd_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Display {
    std::string device;
    RECT work;
};

// Every display, the primary one first.
BOOL CALLBACK AddDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& displays = *reinterpret_cast<std::vector<Display>*>(data);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        displays.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? displays.begin() : displays.end(),
                        Display{info.szDevice, info.rcWork});
    return TRUE;
}

std::vector<Display> Displays() {
    std::vector<Display> displays;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddDisplay, reinterpret_cast<LPARAM>(&displays));
    return displays;
}

// Dispatches messages until `done` holds (false when 10 s passed first).
template <typename Done> bool PumpUntil(Done done) {
    const DWORD start = ::GetTickCount();
    for (MSG msg;; ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT)) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        if (done())
            return true;
        if (::GetTickCount() - start > 10000)
            return false;
    }
}

int Alpha(HWND window) {
    BYTE alpha = 0;
    return ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) ? alpha : -1;
}

OnScreenValue Shown(int value, bool refused = false) {
    return OnScreenValue{
        "1-2  XR-2790", "Brightness", !refused, value, 0, 100, refused ? "Refused: busy" : "",
        refused};
}

HWND PlainWindow(DWORD style) {
    return ::CreateWindowExA(0, "STATIC", "plain", style, 40, 40, 200, 120, nullptr, nullptr,
                             nullptr, nullptr);
}

TEST(OnScreenValue, ShowsAtTheBottomCentreOfTheNamedDisplayWithoutTakingTheFocus) {
    const HWND owner = PlainWindow(WS_POPUP);
    const HWND front = PlainWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ::SetForegroundWindow(front);
    const HWND foreground = ::GetForegroundWindow(), active = ::GetActiveWindow();
    std::vector<Display> displays = Displays();
    ASSERT_FALSE(displays.empty());
    displays.push_back(Display{"\\\\.\\DISPLAY99", displays.front().work}); // none: the primary
    OnScreenValueWindow osd;
    for (const Display& display : displays) {
        osd.Show(owner, Shown(40), display.device);
        const HWND window = osd.Window();
        ASSERT_NE(window, nullptr) << display.device;
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        EXPECT_STREQ(name, kOnScreenValueClass);
        const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE));
        EXPECT_EQ(exStyle & kOnScreenValueExStyle, kOnScreenValueExStyle);
        EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_STYLE) & WS_POPUP);
        EXPECT_EQ(::GetWindow(window, GW_OWNER), owner);
        EXPECT_TRUE(::IsWindowVisible(window)) << display.device;
        EXPECT_EQ(::GetForegroundWindow(), foreground) << display.device;
        EXPECT_EQ(::GetActiveWindow(), active) << display.device;
        RECT rect{};
        ::GetWindowRect(window, &rect);
        const RECT& work = display.work;
        EXPECT_LE(std::abs(rect.left + rect.right - work.left - work.right), 1) << display.device;
        EXPECT_EQ(rect.bottom, work.bottom - OsdMetricsAt(96).bottomMargin) << display.device;
        EXPECT_EQ(::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 5, rect.top + 5)),
                  HTTRANSPARENT);
    }
    ::DestroyWindow(front);
    ::DestroyWindow(owner);
}

TEST(OnScreenValue, FadesOutAndEveryShowStartsItAgain) {
    const HWND owner = PlainWindow(WS_POPUP);
    OnScreenValueWindow osd;
    osd.Show(owner, Shown(40), "");
    const HWND window = osd.Window();
    EXPECT_EQ(Alpha(window), kOsdOpaqueAlpha);
    ASSERT_TRUE(PumpUntil([&] { return Alpha(window) < kOsdOpaqueAlpha; })) << "the fade starts";
    osd.Show(owner, Shown(0, true), "");
    EXPECT_EQ(osd.Window(), window);
    EXPECT_EQ(Alpha(window), kOsdOpaqueAlpha) << "a second show restarts it";
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(window); })) << "hidden after the fade";
    osd.Show(owner, Shown(60), "");
    EXPECT_TRUE(::IsWindowVisible(window)) << "kept for the next show";
    osd.Hide();
    EXPECT_EQ(osd.Window(), nullptr);
    EXPECT_FALSE(::IsWindow(window));
    ::DestroyWindow(owner);
}

TEST(OnScreenValue, ThousandsOfShowsKeepTheObjectCount) {
    const HWND owners[] = {PlainWindow(WS_POPUP), PlainWindow(WS_POPUP)};
    OnScreenValueWindow osd;
    osd.Show(owners[0], Shown(1), "");
    const unsigned long gdi = OwnGdiObjects(), user = OwnUserObjects();
    const std::vector<Display> displays = Displays();
    for (int i = 0; i < 3000; ++i) {
        // Every kind of content, every display and an unknown one; a new owner makes a new window.
        const std::string device = i % 7 ? displays[i % displays.size()].device : "none";
        osd.Show(owners[i / 1000 % 2], Shown(i % 120 - 10, i % 3 == 0), device);
        if (i % 500 == 250)
            osd.Hide();
        PumpUntil([] { return true; });
    }
    osd.Show(owners[0], Shown(1), "");
    EXPECT_EQ(OwnGdiObjects(), gdi);
    EXPECT_EQ(OwnUserObjects(), user);
    for (const HWND owner : owners)
        ::DestroyWindow(owner);
}

} // namespace
