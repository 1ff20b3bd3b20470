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

TEST(SkinRules, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRounded(96, 4, 96), 4);
    EXPECT_EQ(MulDivRounded(120, 4, 96), 5);
    EXPECT_EQ(MulDivRounded(-108, 4, 96), -5);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(2000000000, 2, 4), 1000000000) << "no overflow of the product";
}

} // namespace
