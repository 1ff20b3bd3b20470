// How an overlay tiles its picture: unscaled copies from the top-left corner, the last row and
// column cut by the window's edge.
#pragma once

struct OverlayTiles {
    int columns = 0;
    int rows = 0;

    bool operator==(const OverlayTiles&) const = default;
};

// The copies of a `pictureWidth` x `pictureHeight` picture that cover a `windowWidth` x
// `windowHeight` window. A picture without width or height (one that did not decode) gives no
// tiles: the overlay is black.
OverlayTiles TilesFor(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);
