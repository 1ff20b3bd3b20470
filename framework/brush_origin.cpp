#include "framework/brush_origin.h"

namespace {

int Wrap(int value, int period) {
    if (period <= 0)
        return value;
    const int wrapped = value % period;
    return wrapped < 0 ? wrapped + period : wrapped;
}

} // namespace

BrushOrigin SeamlessBrushOrigin(int patternWidth, int patternHeight, int controlLeft,
                                int controlTop) {
    return BrushOrigin{Wrap(patternWidth - controlLeft, patternWidth),
                       Wrap(patternHeight - controlTop, patternHeight)};
}
