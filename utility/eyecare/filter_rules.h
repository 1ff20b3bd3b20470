// The screen filter's arithmetic: the Transmittance slider in percent against the overlay's
// opacity, the Luminance slider against the gamma offset, the ranges stored values are held to,
// and which of the filter dialog's controls a setting enables.
#pragma once

#include "utility/eyecare/filter_settings.h"

#include <string_view>

inline constexpr int kAlphaMax = 255;
inline constexpr int kLuminanceMin = -100;
inline constexpr int kLuminanceMax = 100;
inline constexpr int kTransmittanceMaxPercent = 50; // the slider's end: opacity 128
inline constexpr int kTransmittancePage = 5;
inline constexpr int kLuminanceSliderMax = kLuminanceMax - kLuminanceMin;
inline constexpr int kLuminancePage = 10;
// What a newly chosen file of the user starts with, and what Restore Default gives it.
inline constexpr int kUserFileAlpha = 64;

// Opacity shown as a percentage, rounded down (64 -> 25).
constexpr int PercentFromAlpha(int alpha) {
    return alpha * 100 / kAlphaMax;
}
// A slider percentage as opacity, rounded up (25 -> 64, 50 -> 128).
constexpr int AlphaFromPercent(int percent) {
    return (percent * kAlphaMax + 99) / 100;
}
constexpr int LuminanceFromSlider(int position) {
    return position + kLuminanceMin;
}
constexpr int SliderFromLuminance(int luminance) {
    return luminance - kLuminanceMin;
}

constexpr int ClampAlpha(int alpha) {
    return alpha < 0 ? 0 : alpha > kAlphaMax ? kAlphaMax : alpha;
}
constexpr int ClampLuminance(int luminance) {
    return luminance < kLuminanceMin   ? kLuminanceMin
           : luminance > kLuminanceMax ? kLuminanceMax
                                       : luminance;
}

// A number as the filter's default file writes it: white space, an optional sign and the
// leading decimal digits; 0 when there are none. Values far out of range saturate instead of
// overflowing.
int LeadingNumber(std::wstring_view text);

struct FilterEnabling {
    bool path = false;   // the path box and "Browse..."
    bool adjust = false; // both sliders, their value boxes and "Restore Default"
};
FilterEnabling EnablingFor(const FilterSettings& settings);

// What OK stores: "Select File" with no file chosen is no filter at all, and "on" always follows
// the picture's type.
FilterSettings NormalisedForSaving(const FilterSettings& settings);
