// How long the monitor needs after a write, per code. A code without a pause is never written.
#pragma once

#include <cstdint>
#include <optional>

// Standard MCCS codes (page 0).
std::optional<std::uint32_t> StandardWritePause(std::uint8_t code);
// Vendor codes on `page`.
std::optional<std::uint32_t> VendorWritePause(std::uint16_t page, std::uint8_t code);

inline constexpr std::uint32_t kReadPauseMs = 20;
inline constexpr std::uint8_t kOwnerRegister = 0xE0;
inline constexpr std::uint8_t kPageRegister = 0xE1;
inline constexpr std::uint32_t kOwnerWritePauseMs = 10;
inline constexpr std::uint32_t kPageWritePauseMs = 20;
