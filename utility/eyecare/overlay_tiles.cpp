#include "utility/eyecare/overlay_tiles.h"

OverlayTiles TilesFor(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth < 0 || windowHeight < 0)
        return {};
    return {windowWidth / pictureWidth + 1, windowHeight / pictureHeight + 1};
}
