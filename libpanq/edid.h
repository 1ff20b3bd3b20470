// Reading the identity of a monitor out of its EDID, and turning it into libpanq's record.
#pragma once

#include "libpanq/libpanq.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The EDID manufacturer id of the maker's monitors.
inline constexpr std::string_view kMakerManufacturerId = "ORV";

inline constexpr std::size_t kEdidBlockSize = 128;

struct EdidIdentity {
    std::string manufacturer; // three letters, each code shown as the character 0x40 + code
    std::uint16_t productCode = 0;
    std::uint32_t serialNumber = 0;
    std::uint16_t year = 0;
    std::uint8_t week = 0; // as stored: 255 marks the year as a model year
    std::uint8_t version = 0;
    std::uint8_t revision = 0;
    std::string modelName;  // the first monitor name descriptor, trimmed
    std::string serialText; // the first serial number descriptor, trimmed
};

// False when `data` is shorter than one block or lacks the EDID header. The checksum is not
// verified: the identity fields are what matters, and some monitors get the checksum wrong.
bool ParseEdid(const std::uint8_t* data, std::size_t size, EdidIdentity& identity);

bool IsMakerMonitor(const EdidIdentity& identity);

// Where a monitor is on the desktop and how the system names it.
struct MonitorPlacement {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool primary = false;
    std::string deviceName;
    std::string interfaceName;
};

// The whole record for one monitor; `edid` holds at least one block.
PnqMonitorInfo MakeMonitorInfo(std::uint32_t index, const std::uint8_t* edid,
                               const EdidIdentity& identity, const MonitorPlacement& placement);
