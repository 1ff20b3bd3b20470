#include "framework/brush_origin.h"

#include <gtest/gtest.h>

namespace {

TEST(BrushOrigin, SeamlessOriginContinuesTheWindowPicture) {
    const BrushOrigin origin = SeamlessBrushOrigin(8, 435, 30, 26);
    // The control's pixel (0, 0) must show the pattern's pixel at the control's page position:
    // (0 - origin) modulo the pattern size equals (left, top) modulo the pattern size.
    EXPECT_EQ(((0 - origin.x) % 8 + 8) % 8, 30 % 8);
    EXPECT_EQ(((0 - origin.y) % 435 + 435) % 435, 26);
    EXPECT_GE(origin.x, 0);
    EXPECT_LT(origin.x, 8);
    const BrushOrigin corner = SeamlessBrushOrigin(800, 435, 0, 0);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    const BrushOrigin none = SeamlessBrushOrigin(0, 0, 5, 6);
    EXPECT_EQ(none.x, -5) << "no pattern: nothing to wrap";
}

} // namespace
