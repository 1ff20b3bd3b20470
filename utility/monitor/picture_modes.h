// The picture modes: mode number = value of vendor page 0x30 code 0xE2 = bit of the monitor's
// picture-mode mask, with the string id of its name and its default adjustment flags.
#pragma once

#include <array>
#include <cstdint>

struct PictureMode {
    std::uint32_t nameId;
    std::uint32_t defaultFlags;
};

inline constexpr int kPictureModeCount = 38;      // 0 ... 36 are monitor modes, 37 is not
inline constexpr int kModeNotChange = 37;         // "Not change the mode"
inline constexpr int kStoredAdjustmentData = 255; // in stored tables: named adjustment data
inline constexpr std::uint32_t kBlankModeNameId = 227;

const std::array<PictureMode, kPictureModeCount>& PictureModes();
