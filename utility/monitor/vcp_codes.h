// The VCP codes and vendor pages the program works with, named once for every page and dialog.
#pragma once

#include <cstdint>

// Standard MCCS codes (page 0: no page register write).
inline constexpr std::uint16_t kStandardPage = 0;
inline constexpr std::uint8_t kFactoryColorCode = 0x08; // written 1: factory colour defaults
inline constexpr std::uint8_t kBrightnessCode = 0x10;
inline constexpr std::uint8_t kContrastCode = 0x12;
inline constexpr std::uint8_t kRedCode = 0x16;
inline constexpr std::uint8_t kGreenCode = 0x18;
inline constexpr std::uint8_t kBlueCode = 0x1A;
inline constexpr std::uint8_t kSpeakerVolumeCode = 0x62;

// The colour page of the vendor extension.
inline constexpr std::uint16_t kColorPage = 0x30;
inline constexpr std::uint8_t kModeCode = 0xE2; // the picture mode
inline constexpr std::uint8_t kTemperatureCode = 0xE3;
inline constexpr std::uint8_t kGammaCode = 0xE4;
inline constexpr std::uint8_t kUserColorCode = 0xE5; // read only

// The six-colour page: its state code and the four-value group (0xE4 ... 0xE7, 0xE8 commits).
inline constexpr std::uint16_t kSixColorPage = 0xE0;
inline constexpr std::uint8_t kSixColorStateCode = 0xE3;

// The command page: sound reset and the store command.
inline constexpr std::uint16_t kCommandPage = 0xF0;
inline constexpr std::uint8_t kSoundResetCode = 0xE2;
inline constexpr std::uint8_t kStoreCode = 0xE3;
inline constexpr std::uint32_t kStoreColor = 0;  // after colour changes
inline constexpr std::uint32_t kStoreSound = 10; // after sound changes
