// The screen filter's settings record: which picture lies over the screens, how opaque, and the
// gamma offset. The application object holds the applied one; the filter dialog a working copy.
#pragma once

#include "utility/settings/registry.h"

#include <string>

// Longest picture path kept, in bytes (the registry value is read into 260 bytes).
inline constexpr std::size_t kFilterPathMax = 260;

inline constexpr int kFilterTypeNone = 0;
inline constexpr int kFilterTypeDefault = 1;  // one of the pictures the installation provides
inline constexpr int kFilterTypeUserFile = 2; // a picture file of the user's choice

struct FilterSettings {
    int on = 0;       // 1 while a filter is applied
    int fileType = 0; // 0 none, 1 default picture, 2 the user's file
    std::string filePath;
    int alpha = 0;     // overlay opacity, 0 ... 255
    int luminance = 0; // gamma offset, -100 ... +100
};

// Reads the applied filter from the "VSFilter" key. A value that cannot be read leaves its field
// as it was; while "On" is 0 the other values are not read. Opacity and luminance are held to
// their ranges (0-255, -100-+100): an edited value beyond them would overflow the gamma ramp.
void LoadFilterSettings(const CRegistry& registry, FilterSettings& filter);
