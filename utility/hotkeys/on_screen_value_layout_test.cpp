// The on-screen value's sizes at each resolution, its rows, its bar, its place and its fade.
#include "utility/hotkeys/on_screen_value_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(OnScreenValueLayout, SizesFollowTheResolution) {
    const OsdMetrics at96{14, 4, 10, 10, 5, 300, 520, 48, 12, 17};
    EXPECT_EQ(OsdMetricsAt(96), at96);
    EXPECT_EQ(OsdMetricsAt(120), (OsdMetrics{18, 5, 13, 13, 6, 375, 650, 60, 15, 22}));
    EXPECT_EQ(OsdMetricsAt(144), (OsdMetrics{21, 6, 15, 15, 8, 450, 780, 72, 18, 26}));
    EXPECT_EQ(OsdMetricsAt(0), at96);
    EXPECT_EQ(OsdMetricsAt(-5), at96);
}

TEST(OnScreenValueLayout, RowsBarAndNumberInTheWindow) {
    const OsdMetrics m = OsdMetricsAt(96);
    const OsdLayout small = ArrangeOsd(m, {15, 21, 120, 30}, 1920);
    EXPECT_EQ(small.height, 93);
    EXPECT_EQ(small.valueRow, (OsdRect{14, 58, 286, 79}));
    EXPECT_EQ(small.number, (OsdRect{256, 58, 286, 79})) << "at the right, as wide as asked";
    EXPECT_EQ(small.bar, (OsdRect{14, 63, 246, 73})) << "centred in the row, before the number";
    struct Case {
        int widestText, numberWidth, workAreaWidth, width, barWidth;
    };
    for (const Case c : {Case{120, 30, 1920, 300, 232}, Case{400, 30, 1920, 428, 360},
                         Case{900, 30, 1920, 520, 452}, Case{900, 30, 410, 410, 342},
                         Case{100, 30, -50, 0, 0}, Case{10, 5000, 1920, 300, 0}}) {
        const OsdLayout layout =
            ArrangeOsd(m, {15, 21, c.widestText, c.numberWidth}, c.workAreaWidth);
        EXPECT_EQ(layout.width, c.width) << c.widestText << " in " << c.workAreaWidth;
        EXPECT_EQ(layout.bar.Width(), c.barWidth) << c.widestText << " in " << c.workAreaWidth;
    }
}

TEST(OnScreenValueLayout, BarFillsItsShareOfTheRange) {
    struct Case {
        int value, minimum, maximum, width, filled;
    };
    for (const Case c :
         {Case{0, 0, 100, 200, 0}, Case{50, 0, 100, 200, 100}, Case{1, 0, 3, 100, 33},
          Case{2, 0, 3, 100, 67}, Case{-5, 0, 100, 200, 0}, Case{150, 0, 100, 200, 200},
          Case{6500, 4000, 9000, 250, 125}, Case{7, 7, 7, 200, 200}, Case{6, 7, 7, 200, 0},
          Case{9, 10, 5, 200, 0}, Case{50, 0, 100, -3, 0}, Case{0, INT_MIN, INT_MAX, 1000, 500},
          Case{INT_MAX, 0, INT_MAX, INT_MAX, INT_MAX}})
        EXPECT_EQ(BarFilledWidth(c.value, c.minimum, c.maximum, c.width), c.filled)
            << c.value << " in " << c.minimum << ".." << c.maximum << " over " << c.width;
}

TEST(OnScreenValueLayout, PlacedAtTheBottomCentreOfTheWorkArea) {
    struct Case {
        OsdRect workArea, placed;
    };
    for (const Case& c :
         {Case{{0, 0, 1920, 1040}, {810, 899, 1110, 992}},    // above the taskbar
          Case{{-1280, 40, 0, 1024}, {-790, 883, -490, 976}}, // a display at the left
          Case{{100, 100, 350, 180}, {100, 100, 350, 180}},   // held inside
          Case{{0, 0, 800, 120}, {250, 0, 550, 93}}, Case{{10, 10, 10, 10}, {10, 10, 10, 10}}})
        EXPECT_EQ(PlaceAtBottomCentre(c.workArea, 300, 93, 48), c.placed)
            << c.workArea.left << "," << c.workArea.bottom;
}

TEST(OnScreenValueLayout, FadesInStepsAfterTheHold) {
    struct Case {
        int step, alpha;
    };
    for (const Case c :
         {Case{-1, 235}, Case{0, 235}, Case{1, 211}, Case{9, 23}, Case{10, 0}, Case{11, 0}})
        EXPECT_EQ(OsdFadeAlpha(c.step), c.alpha) << "step " << c.step;
}

} // namespace
