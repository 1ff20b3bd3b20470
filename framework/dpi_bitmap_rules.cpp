#include "framework/dpi_bitmap_rules.h"

namespace {

constexpr int kBaseDpi = 96;
constexpr int kLargeDpi = 120;

} // namespace

bool UsesLargeBitmap(int dpi) {
    return dpi >= kLargeDpi;
}

bool BitmapIsStretched(int dpi) {
    return dpi != kBaseDpi && dpi != kLargeDpi;
}
