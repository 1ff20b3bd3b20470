#include "launcher/skin_rules.h"

#include <cstdint>

namespace {

constexpr int kBaseDpi = 96;
// The tab control's frame right of a page, in pixels at 96 dpi.
constexpr int kTabFrameAt96 = 4;

} // namespace

int MulDivRounded(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product);
    const std::int64_t divisor = denominator < 0 ? -static_cast<std::int64_t>(denominator)
                                                 : static_cast<std::int64_t>(denominator);
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -rounded : rounded);
}

SkinRect SkinStretchTarget(const SkinRect& client, int tabClientRight, int dpi, bool pageVariant) {
    SkinRect target = client;
    if (pageVariant)
        target.right = tabClientRight - MulDivRounded(dpi, kTabFrameAt96, kBaseDpi);
    if (target.right <= target.left || target.bottom <= target.top)
        return client;
    return target;
}
