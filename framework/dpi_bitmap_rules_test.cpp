#include "framework/dpi_bitmap_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(DpiBitmapRules, BitmapChoiceByResolution) {
    EXPECT_FALSE(UsesLargeBitmap(96));
    EXPECT_FALSE(UsesLargeBitmap(119));
    EXPECT_TRUE(UsesLargeBitmap(120));
    EXPECT_TRUE(UsesLargeBitmap(144));
    EXPECT_FALSE(BitmapIsStretched(96));
    EXPECT_FALSE(BitmapIsStretched(120));
    EXPECT_TRUE(BitmapIsStretched(72));
    EXPECT_TRUE(BitmapIsStretched(144));
    EXPECT_TRUE(BitmapIsStretched(192));
}

} // namespace
