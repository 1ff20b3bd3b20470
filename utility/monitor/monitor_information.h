// The monitor-information block (block slot 1): the features a monitor offers, as
// tag / length / little-endian value records.
#pragma once

#include "utility/monitor/picture_modes.h"

#include <array>
#include <cstddef>
#include <cstdint>

struct MonitorInformation {
    std::uint32_t value1 = 0;
    std::uint64_t pictureModeMask = 0; // bit i: picture mode i available
    std::uint32_t temperatureMask = 0; // bit v: colour temperature value v available
    std::uint32_t value7 = 0;
    std::uint32_t gammaMask = 0;  // bit v: gamma value v available
    std::uint32_t audioFlags = 0; // bit 1 volume, bit 31 sound reset
    std::array<std::uint32_t, kPictureModeCount> modeFlags{};
    std::uint32_t extra38 = 0;
    std::uint32_t featureWord = 0;

    bool operator==(const MonitorInformation&) const = default;
};

inline constexpr std::size_t kMonitorInformationSize = 255;

// Decode one item (type byte, length byte, value bytes least significant first); the 32-bit form
// takes at most 4 value bytes, the 64-bit form at most 8. `available` bounds what may be read
// from `item`.
std::uint32_t DecodeLe32(const std::uint8_t* item, std::size_t available);
std::uint64_t DecodeLe64(const std::uint8_t* item, std::size_t available);

// Parses a 255-byte block. Fails on an all-zero block, and when the block says (tag 4 without bit
// 0x10) that the monitor is not one this program may control.
bool ParseMonitorInformationBlock(const std::uint8_t (&block)[kMonitorInformationSize],
                                  MonitorInformation& out);
