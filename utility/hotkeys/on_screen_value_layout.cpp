#include "utility/hotkeys/on_screen_value_layout.h"

#include <algorithm>
#include <cstdint>

namespace {

// `pixels` of the 96 dpi design at `dpi`, rounded.
int Scaled(int pixels, int dpi) {
    return (pixels * dpi + 48) / 96;
}

// The em of a `points` font at `dpi`, rounded, as the system sizes fonts (72 points an inch).
int FontPixels(int points, int dpi) {
    return (points * dpi + 36) / 72;
}

} // namespace

OsdMetrics OsdMetricsAt(int dpi) {
    if (dpi <= 0)
        dpi = 96;
    return OsdMetrics{Scaled(14, dpi),    Scaled(4, dpi),     Scaled(10, dpi),  Scaled(10, dpi),
                      Scaled(5, dpi),     Scaled(300, dpi),   Scaled(520, dpi), Scaled(48, dpi),
                      FontPixels(9, dpi), FontPixels(13, dpi)};
}

OsdLayout ArrangeOsd(const OsdMetrics& metrics, const OsdTextSizes& sizes, int workAreaWidth) {
    const int pad = metrics.padding;
    OsdLayout layout;
    layout.width = std::clamp(sizes.widestText + 2 * pad, metrics.minWidth, metrics.maxWidth);
    layout.width = std::max(std::min(layout.width, workAreaWidth), 0);
    const int right = std::max(layout.width - pad, pad);
    int y = pad;
    layout.monitorLine = {pad, y, right, y + sizes.smallLine};
    y = layout.monitorLine.bottom + metrics.rowGap;
    layout.controlLine = {pad, y, right, y + sizes.largeLine};
    y = layout.controlLine.bottom + metrics.rowGap;
    layout.valueRow = {pad, y, right, y + std::max(sizes.largeLine, metrics.barHeight)};
    layout.height = layout.valueRow.bottom + pad;

    // The number keeps its column at the right whatever the value, so the bar never jumps.
    const int numberLeft = std::max(right - sizes.numberWidth, pad);
    layout.number = {numberLeft, layout.valueRow.top, right, layout.valueRow.bottom};
    const int barTop = layout.valueRow.top + (layout.valueRow.Height() - metrics.barHeight) / 2;
    layout.bar = {pad, barTop, std::max(numberLeft - metrics.barGap, pad),
                  barTop + metrics.barHeight};
    layout.stripe = {0, 0, std::min(metrics.stripeWidth, layout.width), layout.height};
    return layout;
}

int BarFilledWidth(int value, int minimum, int maximum, int width) {
    if (width <= 0)
        return 0;
    if (minimum >= maximum)
        return value >= minimum ? width : 0;
    const std::int64_t span = std::int64_t{maximum} - minimum;
    const std::int64_t part = std::clamp<std::int64_t>(std::int64_t{value} - minimum, 0, span);
    return static_cast<int>((part * width + span / 2) / span);
}

OsdRect PlaceAtBottomCentre(const OsdRect& workArea, int width, int height, int bottomMargin) {
    width = std::clamp(width, 0, std::max(workArea.Width(), 0));
    height = std::clamp(height, 0, std::max(workArea.Height(), 0));
    const int left = workArea.left + (workArea.Width() - width) / 2;
    const int top = std::max(workArea.bottom - bottomMargin - height, workArea.top);
    return OsdRect{left, top, left + width, top + height};
}

int OsdFadeAlpha(int step) {
    if (step <= 0)
        return kOsdOpaqueAlpha;
    if (step >= kOsdFadeSteps)
        return 0;
    return kOsdOpaqueAlpha * (kOsdFadeSteps - step) / kOsdFadeSteps;
}
