#include "launcher/skin_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinRules, StretchTargetOfWindowsAndPages) {
    const SkinRect client{0, 0, 900, 500};
    const SkinRect window = SkinStretchTarget(client, 880, 144, false);
    EXPECT_EQ(window.right, 900) << "a window: its whole client area";
    EXPECT_EQ(window.bottom, 500);
    EXPECT_EQ(SkinStretchTarget(client, 880, 144, true).right, 874) << "880 - 4 * 144 / 96";
    EXPECT_EQ(SkinStretchTarget(client, 880, 72, true).right, 877) << "880 - 3";
    EXPECT_EQ(SkinStretchTarget(client, 880, 108, true).right, 875) << "880 - 4.5, rounded to 5";
    EXPECT_EQ(SkinStretchTarget(client, 880, 144, true).bottom, 500);
    const SkinRect early = SkinStretchTarget(client, 0, 144, true);
    EXPECT_EQ(early.right, 900) << "tab control not measured yet: never an empty target";
}

TEST(SkinRules, SeamlessOriginContinuesThePagePicture) {
    const SkinPoint origin = SeamlessBrushOrigin(8, 435, SkinRect{30, 26, 200, 48});
    // The control's pixel (0, 0) must show the pattern's pixel at the control's page position:
    // (0 - origin) modulo the pattern size equals (left, top) modulo the pattern size.
    EXPECT_EQ(((0 - origin.x) % 8 + 8) % 8, 30 % 8);
    EXPECT_EQ(((0 - origin.y) % 435 + 435) % 435, 26);
    EXPECT_GE(origin.x, 0);
    EXPECT_LT(origin.x, 8);
    const SkinPoint corner = SeamlessBrushOrigin(800, 435, SkinRect{0, 0, 10, 10});
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    const SkinPoint none = SeamlessBrushOrigin(0, 0, SkinRect{5, 6, 10, 10});
    EXPECT_EQ(none.x, -5) << "no pattern: nothing to wrap";
}

TEST(SkinRules, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRounded(96, 4, 96), 4);
    EXPECT_EQ(MulDivRounded(120, 4, 96), 5);
    EXPECT_EQ(MulDivRounded(-108, 4, 96), -5);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(2000000000, 2, 4), 1000000000) << "no overflow of the product";
}

} // namespace
