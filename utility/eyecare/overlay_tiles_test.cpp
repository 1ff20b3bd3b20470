#include "utility/eyecare/overlay_tiles.h"

#include <gtest/gtest.h>

namespace {

TEST(OverlayTiles, PictureRepeatsFromTheTopLeftCutByTheEdges) {
    EXPECT_EQ(TilesFor(1920, 1080, 640, 480), (OverlayTiles{4, 3}));
    EXPECT_EQ(TilesFor(1920, 1080, 2560, 1440), (OverlayTiles{1, 1})) << "larger: drawn once";
    EXPECT_EQ(TilesFor(1920, 1080, 1920, 1080), (OverlayTiles{2, 2}));
    EXPECT_EQ(TilesFor(1920, 1080, 0, 480), OverlayTiles{}) << "no width: black, no division";
    EXPECT_EQ(TilesFor(1920, 1080, 640, 0), OverlayTiles{});
}

} // namespace
