#include "utility/monitor/write_pauses.h"

#include <array>

namespace {

struct StandardPause {
    std::uint8_t code;
    std::uint32_t ms;
};

constexpr std::array<StandardPause, 9> kStandard{{
    {0x08, 330}, // restore factory colour defaults
    {0x10, 35},  // brightness
    {0x12, 50},  // contrast
    {0x16, 70},  // red video gain
    {0x18, 70},  // green video gain
    {0x1A, 70},  // blue video gain
    {0x62, 30},  // speaker volume
    {0xE0, kOwnerWritePauseMs},
    {0xE1, kPageWritePauseMs},
}};

// Pauses of one vendor page, indexed by code - 0xE2; 0 means the code is not writable there.
struct VendorPage {
    std::uint16_t page;
    std::array<std::uint16_t, 12> ms;
};

constexpr std::array<VendorPage, 5> kVendor{{
    {0x10, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}},
    {0x20, {22, 110, 20, 20, 20}},
    {0x30, {340, 260, 158}},
    {0xE0, {23, 24, 10, 10, 10, 10, 13, 33}},
    {0xF0, {3200, 120}},
}};

} // namespace

std::optional<std::uint32_t> StandardWritePause(std::uint8_t code) {
    for (const auto& row : kStandard) {
        if (row.code == code)
            return row.ms;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> VendorWritePause(std::uint16_t page, std::uint8_t code) {
    if (code < 0xE2)
        return std::nullopt;
    const std::size_t index = code - 0xE2u;
    for (const auto& row : kVendor) {
        if (row.page == page && index < row.ms.size() && row.ms[index] != 0)
            return row.ms[index];
    }
    return std::nullopt;
}
