// The on-screen value's sizes at each resolution, its rows, its bar, its place and its fade.
#include "utility/hotkeys/on_screen_value_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(OnScreenValueLayout, SizesFollowTheResolution) {
    struct Case {
        int dpi;
        OsdMetrics metrics;
    };
    for (const Case& c : {Case{96, {14, 4, 10, 10, 5, 300, 520, 48, 12, 17}},
                          Case{120, {18, 5, 13, 13, 6, 375, 650, 60, 15, 22}},
                          Case{144, {21, 6, 15, 15, 8, 450, 780, 72, 18, 26}},
                          Case{0, {14, 4, 10, 10, 5, 300, 520, 48, 12, 17}},
                          Case{-5, {14, 4, 10, 10, 5, 300, 520, 48, 12, 17}}})
        EXPECT_EQ(OsdMetricsAt(c.dpi), c.metrics) << c.dpi << " dpi";
}

TEST(OnScreenValueLayout, RowsBarAndNumberInTheWindow) {
    const OsdMetrics m = OsdMetricsAt(96);
    // Short texts keep the least width; a long one widens the window up to its bound and the
    // work area's; the number's column sits at the right and the bar ends before it.
    const OsdLayout small = ArrangeOsd(m, {15, 21, 120, 30}, 1920);
    EXPECT_EQ(small.width, 300);
    EXPECT_EQ(small.height, 14 + 15 + 4 + 21 + 4 + 21 + 14);
    EXPECT_EQ(small.monitorLine, (OsdRect{14, 14, 286, 29}));
    EXPECT_EQ(small.controlLine, (OsdRect{14, 33, 286, 54}));
    EXPECT_EQ(small.valueRow, (OsdRect{14, 58, 286, 79}));
    EXPECT_EQ(small.number, (OsdRect{256, 58, 286, 79}));
    EXPECT_EQ(small.bar, (OsdRect{14, 63, 246, 73}));
    EXPECT_EQ(small.stripe, (OsdRect{0, 0, 5, 93}));

    struct Case {
        int widestText, workAreaWidth, width;
    };
    for (const Case c : {Case{400, 1920, 428}, Case{900, 1920, 520}, Case{900, 410, 410},
                         Case{100, 200, 200}, Case{100, -50, 0}}) {
        const OsdLayout layout = ArrangeOsd(m, {15, 21, c.widestText, 30}, c.workAreaWidth);
        EXPECT_EQ(layout.width, c.width) << c.widestText << " in " << c.workAreaWidth;
        EXPECT_LE(layout.bar.left, layout.bar.right) << c.widestText << " in " << c.workAreaWidth;
        EXPECT_LE(layout.number.left, layout.number.right);
    }
    // A number wider than the window leaves the bar no width but never a negative one.
    const OsdLayout crowded = ArrangeOsd(m, {15, 21, 10, 5000}, 1920);
    EXPECT_EQ(crowded.bar.Width(), 0);
    EXPECT_EQ(crowded.number.left, 14);
}

TEST(OnScreenValueLayout, BarFillsItsShareOfTheRange) {
    struct Case {
        int value, minimum, maximum, width, filled;
    };
    for (const Case c :
         {Case{0, 0, 100, 200, 0}, Case{50, 0, 100, 200, 100}, Case{100, 0, 100, 200, 200},
          Case{1, 0, 3, 100, 33}, Case{2, 0, 3, 100, 67}, Case{-5, 0, 100, 200, 0},
          Case{150, 0, 100, 200, 200}, Case{0, -100, 100, 200, 100},
          Case{6500, 4000, 9000, 250, 125}, Case{7, 7, 7, 200, 200}, Case{6, 7, 7, 200, 0},
          Case{9, 10, 5, 200, 0}, Case{10, 10, 5, 200, 200}, Case{50, 0, 100, 0, 0},
          Case{50, 0, 100, -3, 0}, Case{INT_MAX, INT_MIN, INT_MAX, 1000, 1000},
          Case{0, INT_MIN, INT_MAX, 1000, 500}, Case{INT_MIN, INT_MIN, INT_MAX, 1000, 0}})
        EXPECT_EQ(BarFilledWidth(c.value, c.minimum, c.maximum, c.width), c.filled)
            << c.value << " in " << c.minimum << ".." << c.maximum << " over " << c.width;
}

TEST(OnScreenValueLayout, PlacedAtTheBottomCentreOfTheWorkArea) {
    struct Case {
        OsdRect workArea;
        int width, height;
        OsdRect placed;
    };
    for (const Case& c : {
             // a taskbar at the bottom: the work area ends above it
             Case{{0, 0, 1920, 1040}, 300, 93, {810, 899, 1110, 992}},
             // a second monitor left of the first, a taskbar at its top
             Case{{-1280, 40, 0, 1024}, 300, 93, {-790, 883, -490, 976}},
             // a work area smaller than the window: held inside it
             Case{{100, 100, 350, 180}, 300, 93, {100, 100, 350, 180}},
             Case{{0, 0, 800, 120}, 300, 93, {250, 0, 550, 93}},
             // an empty work area leaves an empty window at its corner
             Case{{10, 10, 10, 10}, 300, 93, {10, 10, 10, 10}},
         })
        EXPECT_EQ(PlaceAtBottomCentre(c.workArea, c.width, c.height, 48), c.placed)
            << c.workArea.left << "," << c.workArea.top << "," << c.workArea.right << ","
            << c.workArea.bottom;
}

TEST(OnScreenValueLayout, FadesInStepsAfterTheHold) {
    struct Case {
        int step, alpha;
    };
    for (const Case c : {Case{-1, 235}, Case{0, 235}, Case{1, 211}, Case{5, 117}, Case{9, 23},
                         Case{10, 0}, Case{11, 0}})
        EXPECT_EQ(OsdFadeAlpha(c.step), c.alpha) << "step " << c.step;
    for (int step = 1; step <= kOsdFadeSteps; ++step)
        EXPECT_LT(OsdFadeAlpha(step), OsdFadeAlpha(step - 1)) << "step " << step;
}

} // namespace
