// What the colour adjustment dialog's loading and its writing share: the features' VCP codes,
// flags, bitmaps and page sizes per slider, the temperature names, and the snapshot's fields of
// each feature.
#pragma once

#include "utility/monitor/monitor_color.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/color_sub_model.h"
#include "utility/res/resource.h"

#include <bit>
#include <cstdint>
#include <iterator>
#include <utility>

namespace color_sub {

inline constexpr std::uint16_t kStandard = 0;
// Page 0xE0 code 0xE3 tells a monitor with the four-value group that the dialog works on it.
inline constexpr std::uint32_t kSixColorOpen = 1;
inline constexpr std::uint32_t kSixColorOk = 2;
inline constexpr std::uint32_t kSixColorClosed = 0;

// The mode flag that lets the four-value group be written back (the brightness flag).
inline constexpr std::uint32_t kGroupModeBit = 0x1;
inline constexpr std::uint32_t kTemperatureBits = 0x1FFFFFF; // values 0 ... 24
inline constexpr std::uint32_t kGammaBits = 0x1FF;           // values 0 ... 8
inline constexpr std::uint32_t kHighestGamma = 8;
inline constexpr std::int32_t kNoGamma = 255;
// The temperature values at which the monitor takes the gains from the user: off and user.
inline constexpr std::int32_t kTemperatureOff = 0;
inline constexpr std::int32_t kTemperatureUser = 15;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

inline constexpr const char* kTemperatureNames[] = {
    "OFF",    "4000K",  "4500K",  "5000K",  "5500K",  "6000K",  "6500K",  "7000K",  "7500K",
    "8000K",  "8500K",  "9000K",  "9300K",  "9500K",  "10000K", "10500K", "11000K", "11500K",
    "12000K", "12500K", "13000K", "13500K", "14000K", "14500K", "15000K"};
inline constexpr std::int32_t kTemperatureNameCount =
    static_cast<std::int32_t>(std::size(kTemperatureNames));

// Per slider: its standard VCP code (0 for the vendor-page features), the adjustment flag of
// the picture mode that allows it, its bitmaps when usable and when not, and its page size.
struct SliderRule {
    std::uint8_t code;
    std::uint32_t modeBit;
    std::uint32_t iconOn;
    std::uint32_t iconOff;
    int pageSize; // 0: a fifth of the maximum
};
inline constexpr SliderRule kRules[kColorSliderCount] = {
    {0, 0x4, 0, 0, 1}, // temperature: the picture instead
    {kBrightnessCode, 0x1, IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF, 40},
    {kContrastCode, 0x2, IDB_CONTRAST, IDB_CONTRAST_OFF, 0},
    {0, 0x8, IDB_GAMMA, IDB_GAMMA_OFF, 1},
    {kRedCode, 0x40, IDB_GAIN_RED, IDB_GAIN_OFF, 51},
    {kGreenCode, 0x40, IDB_GAIN_GREEN, IDB_GAIN_OFF, 51},
    {kBlueCode, 0x40, IDB_GAIN_BLUE, IDB_GAIN_OFF, 51},
};

inline const SliderRule& RuleOf(ColorSlider slider) {
    return kRules[static_cast<std::size_t>(slider)];
}

// One feature's fields in a colour snapshot; for the temperature, its top value stands for the
// maximum.
struct Feature {
    std::int32_t& current;
    std::int32_t& maximum;
    std::int32_t& read;
};

inline Feature FeatureOf(CMonitorColor& color, ColorSlider slider) {
    switch (slider) {
    case ColorSlider::Temperature:
        return {color.temperatureCurrent, color.temperatureTop, color.temperatureRead};
    case ColorSlider::Brightness:
        return {color.brightnessCurrent, color.brightnessMaximum, color.brightnessRead};
    case ColorSlider::Contrast:
        return {color.contrastCurrent, color.contrastMaximum, color.contrastRead};
    case ColorSlider::Gamma:
        return {color.gammaCurrent, color.gammaMaximum, color.gammaRead};
    case ColorSlider::Red:
        return {color.redCurrent, color.redMaximum, color.redRead};
    case ColorSlider::Green:
        return {color.greenCurrent, color.greenMaximum, color.greenRead};
    case ColorSlider::Blue:
        break;
    }
    return {color.blueCurrent, color.blueMaximum, color.blueRead};
}

inline Feature FeatureOf(const CMonitorColor& color, ColorSlider slider) {
    return FeatureOf(const_cast<CMonitorColor&>(color), slider);
}

// The lowest and highest set bit of a mask; 0 ... 0 without one.
inline std::pair<int, int> BitRange(std::uint32_t mask) {
    if (mask == 0)
        return {0, 0};
    return {std::countr_zero(mask), 31 - std::countl_zero(mask)};
}

class WaitCursor {
  public:
    explicit WaitCursor(ColorSubView& view) : m_view(view) { m_view.BeginWait(); }
    ~WaitCursor() { m_view.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ColorSubView& m_view;
};

} // namespace color_sub
