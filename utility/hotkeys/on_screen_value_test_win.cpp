// The on-screen value's window on the system Wine presents: its styles and place on every
// display, the focus it never takes, its fade and restart, what it draws, and what it holds
// after thousands of shows.
#include "framework/handles_win.h"
#include "framework/own_objects_win.h"
#include "utility/hotkeys/on_screen_value_win.h"
#include "utility/hotkeys/on_screen_value_wnd_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Display {
    std::string device;
    RECT work;
};

BOOL CALLBACK AddDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info)) {
        auto& displays = *reinterpret_cast<std::vector<Display>*>(data);
        // The primary display first: a name no display has falls back to it.
        const auto at = (info.dwFlags & MONITORINFOF_PRIMARY) ? displays.begin() : displays.end();
        displays.insert(at, Display{info.szDevice, info.rcWork});
    }
    return TRUE;
}

std::vector<Display> Displays() {
    std::vector<Display> displays;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddDisplay, reinterpret_cast<LPARAM>(&displays));
    return displays;
}

void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Dispatches messages until `done` holds or `boundMs` have passed; false when they passed.
template <typename Done> bool PumpUntil(Done done, DWORD boundMs = 10000) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > boundMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

int Alpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return ::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
}

OnScreenValue Brightness(int value, int minimum = 0, int maximum = 100) {
    OnScreenValue shown;
    shown.monitor = "1-2  XR-2790";
    shown.control = "Brightness";
    shown.hasValue = true;
    shown.value = value;
    shown.minimum = minimum;
    shown.maximum = maximum;
    return shown;
}

OnScreenValue TextAlone(const std::string& text, bool refused) {
    OnScreenValue shown;
    shown.monitor = "1-1  XR-2790";
    shown.control = refused ? "Contrast up" : "Picture mode";
    shown.text = text;
    shown.refused = refused;
    return shown;
}

// A plain top-level window: the owner the utility's hidden main window stands for, or the
// window in front.
struct PlainWindow {
    explicit PlainWindow(DWORD style)
        : window(::CreateWindowExA(0, "STATIC", "plain", style, 40, 40, 200, 120, nullptr, nullptr,
                                   nullptr, nullptr)) {}
    ~PlainWindow() { ::DestroyWindow(window); }
    HWND window;
};

// The window's client area as it draws itself, with counts of the pixels of one colour.
class Drawn {
  public:
    explicit Drawn(HWND window) {
        ::GetClientRect(window, &m_client);
        ClientDC screen(nullptr);
        m_dc.Reset(::CreateCompatibleDC(screen.Get()));
        m_bitmap.Reset(::CreateCompatibleBitmap(screen.Get(), m_client.right, m_client.bottom));
        m_select.emplace(m_dc.Get(), m_bitmap.Get());
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc.Get()), PRF_CLIENT);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc.Get(), x, y); }
    // The most pixels of `colour` in any one row: the length of a bar drawn in it.
    int LongestRow(COLORREF colour) const {
        int longest = 0;
        for (int y = 0; y < m_client.bottom; ++y) {
            int count = 0;
            for (int x = 0; x < m_client.right; ++x)
                count += At(x, y) == colour;
            longest = std::max(longest, count);
        }
        return longest;
    }
    int Height() const { return m_client.bottom; }

  private:
    RECT m_client{};
    ScopedCreatedDC m_dc;
    ScopedBitmap m_bitmap;
    std::optional<SelectObjectScope> m_select;
};

TEST(OnScreenValue, ShowsAtTheBottomCentreOfTheNamedDisplayWithoutTakingTheFocus) {
    PlainWindow owner(WS_POPUP);
    PlainWindow front(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ::SetForegroundWindow(front.window);
    PumpUntil([] { return false; }, 200);
    const HWND foreground = ::GetForegroundWindow();
    const HWND active = ::GetActiveWindow();

    std::vector<Display> displays = Displays();
    ASSERT_FALSE(displays.empty());
    displays.push_back(Display{"\\\\.\\DISPLAY99", displays.front().work}); // no such display
    OnScreenValueWindow osd;
    const int margin = OsdMetricsAt(96).bottomMargin;
    for (const Display& display : displays) {
        osd.Show(owner.window, Brightness(40), display.device);
        const HWND window = osd.Window();
        ASSERT_NE(window, nullptr) << display.device;
        char className[64] = {};
        ::GetClassNameA(window, className, sizeof className);
        EXPECT_STREQ(className, kOnScreenValueClass);
        const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE));
        EXPECT_EQ(exStyle & kOnScreenValueExStyle, kOnScreenValueExStyle) << std::hex << exStyle;
        EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_STYLE) & WS_POPUP);
        EXPECT_EQ(::GetWindow(window, GW_OWNER), owner.window);
        EXPECT_TRUE(::IsWindowVisible(window)) << display.device;
        EXPECT_EQ(::GetForegroundWindow(), foreground) << display.device;
        EXPECT_EQ(::GetActiveWindow(), active) << display.device;

        RECT rect{};
        ::GetWindowRect(window, &rect);
        const RECT& work = display.work;
        EXPECT_LE(std::abs((rect.left + rect.right) - (work.left + work.right)), 1)
            << display.device << " centred";
        EXPECT_EQ(rect.bottom, work.bottom - margin) << display.device;
        EXPECT_GE(rect.top, work.top) << display.device;
        const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        EXPECT_EQ(::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)),
                  HTTRANSPARENT)
            << "clicks pass through";
    }
}

TEST(OnScreenValue, FadesOutAndEveryShowStartsItAgain) {
    PlainWindow owner(WS_POPUP);
    OnScreenValueWindow osd;
    osd.Show(owner.window, Brightness(40), "");
    const HWND window = osd.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Alpha(window), kOsdOpaqueAlpha);
    ASSERT_TRUE(PumpUntil([&] { return Alpha(window) < kOsdOpaqueAlpha; })) << "the fade starts";
    EXPECT_TRUE(::IsWindowVisible(window));

    osd.Show(owner.window, Brightness(50), "");
    EXPECT_EQ(osd.Window(), window) << "the same window, shown again";
    EXPECT_EQ(Alpha(window), kOsdOpaqueAlpha) << "a second show restarts the fade";
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(window); })) << "hidden after the fade";
    EXPECT_TRUE(::IsWindow(window)) << "kept for the next press";

    osd.Show(owner.window, TextAlone("Movie mode", false), "");
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(Alpha(window), kOsdOpaqueAlpha);

    PlainWindow otherOwner(WS_POPUP);
    osd.Show(otherOwner.window, Brightness(60), "");
    EXPECT_EQ(::GetWindow(osd.Window(), GW_OWNER), otherOwner.window);
    EXPECT_FALSE(::IsWindow(window)) << "the first owner's window is gone";
    osd.Hide();
    EXPECT_EQ(osd.Window(), nullptr);
}

TEST(OnScreenValue, DrawsTheBarTheNumberOrTheTextAlone) {
    struct Case {
        OnScreenValue shown;
        bool bar, stripe;
    };
    OnScreenValueWindow osd;
    for (const Case& c :
         {Case{Brightness(100), true, false}, Case{Brightness(25), true, false},
          Case{Brightness(0), true, false}, Case{Brightness(-20), true, false},
          Case{Brightness(500), true, false}, Case{Brightness(6500, 4000, 9000), true, false},
          Case{Brightness(3, 3, 3), true, false}, Case{TextAlone("sRGB mode", false), false, false},
          Case{TextAlone("Refused: the picture mode does not allow it", true), false, true}}) {
        osd.Show(nullptr, c.shown, "");
        const Drawn drawn(osd.Window());
        const std::string name = c.shown.control + " " + std::to_string(c.shown.value);
        const int filled = drawn.LongestRow(kOsdBarFill);
        const int bar = filled + drawn.LongestRow(kOsdBarTrack);
        if (c.bar) {
            EXPECT_GT(bar, 100) << name;
            EXPECT_LE(std::abs(filled - BarFilledWidth(c.shown.value, c.shown.minimum,
                                                       c.shown.maximum, bar)),
                      1)
                << name << ": " << filled << " of " << bar;
        } else {
            EXPECT_EQ(bar, 0) << name;
        }
        EXPECT_EQ(drawn.At(2, drawn.Height() / 2) == kOsdRefused, c.stripe) << name;
    }
}

TEST(OnScreenValue, ThousandsOfShowsKeepTheObjectCount) {
    PlainWindow owner(WS_POPUP);
    OnScreenValueWindow osd;
    osd.Show(owner.window, Brightness(1), "");
    const unsigned long gdi = OwnGdiObjects();
    const unsigned long user = OwnUserObjects();
    const std::vector<Display> displays = Displays();
    for (int i = 0; i < 3000; ++i) {
        const std::string device = i % 7 == 0 ? "none" : displays[i % displays.size()].device;
        if (i % 3 == 0)
            osd.Show(owner.window, TextAlone("Refused: busy", i % 2 == 0), device);
        else
            osd.Show(owner.window, Brightness(i % 120 - 10), device);
        if (i % 500 == 250)
            osd.Hide();
        PumpPending();
    }
    osd.Show(owner.window, Brightness(1), "");
    EXPECT_EQ(OwnGdiObjects(), gdi);
    EXPECT_EQ(OwnUserObjects(), user);
}

} // namespace
