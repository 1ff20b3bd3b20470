// Named adjustment data as it is stored: one monitor's colour settings in a record of fixed
// layout (172 bytes, numbers 32-bit little-endian, texts NUL-terminated and zero-filled), so
// that data saved by one version of the program reads back in any other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kAdjustmentRecordSize = 172;

// Field sizes of the three texts, their terminating zero included.
inline constexpr std::size_t kRecordModelNameSize = 18;
inline constexpr std::size_t kRecordSerialNumberSize = 18;
inline constexpr std::size_t kRecordIdentityKeySize = 36;

// One stored monitor setting: valid is 1 when it was read from the monitor; a setting that was
// not read stays all zero and is not written back.
struct StoredFeature {
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    std::uint32_t valid = 0;

    bool operator==(const StoredFeature&) const = default;
};

struct AdjustmentRecord {
    // The monitor the data was taken from. Each text keeps at most its field size minus one
    // characters when stored; longer texts are cut.
    std::string modelName;
    std::string serialNumber;
    std::string identityKey;       // serial number followed by model name
    std::uint32_t mode = 0;        // picture mode (page 0x30 code 0xE2)
    std::uint32_t temperature = 0; // colour temperature (page 0x30 code 0xE3); 0 when not read
    StoredFeature brightness;      // VCP 0x10
    StoredFeature red;             // VCP 0x16
    StoredFeature green;           // VCP 0x18
    StoredFeature blue;            // VCP 0x1A
    StoredFeature gamma;           // page 0x30 code 0xE4
    std::array<std::uint32_t, 4> group{}; // page 0xE0 codes 0xE4 ... 0xE7
    std::uint32_t groupValid = 0;
    StoredFeature contrast; // VCP 0x12

    bool operator==(const AdjustmentRecord&) const = default;
};

// The stored form: exactly kAdjustmentRecordSize bytes.
std::array<std::uint8_t, kAdjustmentRecordSize>
EncodeAdjustmentRecord(const AdjustmentRecord& record);

// Reads the stored form. False, with `record` untouched, unless `size` is exactly
// kAdjustmentRecordSize. A text field without a zero is cut before its last byte, so no text
// runs into the next field.
bool DecodeAdjustmentRecord(const std::uint8_t* bytes, std::size_t size, AdjustmentRecord& record);
