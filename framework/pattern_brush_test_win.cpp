// The resolution-chosen pattern brush on a test dialog: which bitmap at which resolution, and
// when it is stretched to the size the caller's rule gives.
#include "framework/dialog_win.h"
#include "framework/pattern_brush_win.h"
#include "framework/testing/framework_test_ids.h"
#include "framework/testing/test_support_win.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kNormalColour = RGB(255, 0, 0); // the 4 x 2 bitmap
constexpr COLORREF kLargeColour = RGB(0, 0, 255);  // the 6 x 3 bitmap

// The colour `brush` paints.
COLORREF PaintedColour(HBRUSH brush) {
    ScopedCreatedDC dc(::CreateCompatibleDC(nullptr));
    ClientDC screen(nullptr);
    ScopedBitmap canvas(::CreateCompatibleBitmap(screen.Get(), 8, 8));
    SelectObjectScope select(dc.Get(), canvas.Get());
    const RECT all{0, 0, 8, 8};
    ::FillRect(dc.Get(), &all, brush);
    return ::GetPixel(dc.Get(), 1, 1);
}

class PatternBrushTest : public testing::Test {
  protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    CDialog dialog{IDD_TEST_MODELESS};
};

TEST_F(PatternBrushTest, BitmapAndStretchByResolution) {
    struct Case {
        int dpi;
        COLORREF colour;
        bool stretched;
        SIZE size;
    };
    const Case cases[] = {
        {96, kNormalColour, false, {4, 2}},  {120, kLargeColour, false, {6, 3}},
        {72, kNormalColour, true, {30, 20}}, {119, kNormalColour, true, {30, 20}},
        {144, kLargeColour, true, {30, 20}},
    };
    const RECT client = dialog.GetClientRect();
    for (const Case& c : cases) {
        int ruleCalls = 0;
        const auto rule = [&](const RECT& seenClient, int seenDpi) {
            ++ruleCalls;
            EXPECT_TRUE(::EqualRect(&seenClient, &client)) << c.dpi;
            EXPECT_EQ(seenDpi, c.dpi);
            return SIZE{30, 20};
        };
        ScopedBrush brush;
        const SIZE size = CreateDpiPatternBrush(dialog.GetSafeHwnd(), c.dpi, brush, IDB_TEST_NORMAL,
                                                IDB_TEST_LARGE, rule);
        EXPECT_EQ(size.cx, c.size.cx) << c.dpi << " dpi";
        EXPECT_EQ(size.cy, c.size.cy) << c.dpi << " dpi";
        EXPECT_EQ(ruleCalls, c.stretched ? 1 : 0) << c.dpi << " dpi";
        ASSERT_TRUE(brush) << c.dpi << " dpi";
        EXPECT_EQ(PaintedColour(brush.Get()), c.colour) << c.dpi << " dpi";
    }
}

TEST_F(PatternBrushTest, WholeClientAreaByDefaultBitmapAsItIsOrNoBrushOtherwise) {
    ScopedBrush brush;
    const SIZE whole =
        CreateDpiPatternBrush(dialog.GetSafeHwnd(), 144, brush, IDB_TEST_NORMAL, IDB_TEST_LARGE);
    const RECT client = dialog.GetClientRect();
    EXPECT_EQ(whole.cx, client.right);
    EXPECT_EQ(whole.cy, client.bottom);

    const SIZE emptyTarget = CreateDpiPatternBrush(
        dialog.GetSafeHwnd(), 144, brush, IDB_TEST_NORMAL, IDB_TEST_LARGE, [](const RECT&, int) {
            return SIZE{0, 20};
        });
    EXPECT_EQ(emptyTarget.cx, 6) << "an empty target keeps the bitmap as it is";
    EXPECT_EQ(emptyTarget.cy, 3);

    const HBRUSH before = brush.Get();
    const SIZE missing =
        CreateDpiPatternBrush(dialog.GetSafeHwnd(), 96, brush, IDB_MISSING, IDB_MISSING);
    EXPECT_EQ(missing.cx, 0);
    EXPECT_EQ(missing.cy, 0);
    EXPECT_EQ(brush.Get(), before) << "a missing bitmap leaves the brush as it was";
}

} // namespace
