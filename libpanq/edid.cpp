#include "libpanq/edid.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

static_assert(sizeof(PnqMonitorInfo) == PNQ_MONITOR_INFO_SIZE);
// The desktop position is what callers rely on; everything else may grow into reserved space.
static_assert(offsetof(PnqMonitorInfo, left) == 28);
static_assert(offsetof(PnqMonitorInfo, top) == 32);
static_assert(offsetof(PnqMonitorInfo, reserved) + sizeof(PnqMonitorInfo::reserved) ==
              PNQ_MONITOR_INFO_SIZE);

namespace {

constexpr std::uint8_t kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptorStart = 54;
constexpr std::size_t kDescriptorSize = 18;
constexpr std::size_t kDescriptorCount = 4;
constexpr std::uint8_t kSerialTag = 0xFF;
constexpr std::uint8_t kNameTag = 0xFC;
constexpr int kFirstYear = 1990;

// Three letters of five bits each, 1 = 'A'. Each code is shown as the character 0x40 + code, as
// common decoders do, so that a broken id still reads the same everywhere ("@" for 0).
std::string ManufacturerId(std::uint8_t high, std::uint8_t low) {
    const unsigned value = static_cast<unsigned>(high) << 8 | low;
    std::string id;
    for (int shift : {10, 5, 0})
        id += static_cast<char>(0x40 + (value >> shift & 0x1F));
    return id;
}

// A display descriptor's text: up to 13 bytes, ended by a line feed, padded with blanks.
std::string DescriptorText(const std::uint8_t* descriptor) {
    std::string text(reinterpret_cast<const char*>(descriptor + 5), 13);
    text = text.substr(0, text.find_first_of(std::string_view("\n\0", 2)));
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Copies text into a fixed field, cut so that a zero byte always ends it.
template <std::size_t N> void CopyText(char (&field)[N], const std::string& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

} // namespace

bool ParseEdid(const std::uint8_t* data, std::size_t size, EdidIdentity& identity) {
    if (!data || size < kEdidBlockSize || std::memcmp(data, kHeader, sizeof(kHeader)) != 0)
        return false;
    identity = EdidIdentity{};
    identity.manufacturer = ManufacturerId(data[8], data[9]);
    identity.productCode = static_cast<std::uint16_t>(data[10] | data[11] << 8);
    identity.serialNumber = static_cast<std::uint32_t>(data[12]) | data[13] << 8 | data[14] << 16 |
                            static_cast<std::uint32_t>(data[15]) << 24;
    // Week 0xFF marks byte 17 as a model year; either way it counts from 1990.
    identity.week = data[16];
    identity.year = static_cast<std::uint16_t>(kFirstYear + data[17]);
    identity.version = data[18];
    identity.revision = data[19];
    bool name = false;
    bool serial = false;
    for (std::size_t i = 0; i < kDescriptorCount; ++i) {
        const std::uint8_t* descriptor = data + kDescriptorStart + i * kDescriptorSize;
        // Display descriptors start with three zero bytes; timing descriptors do not. The first
        // descriptor of each kind counts.
        if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[2] != 0)
            continue;
        if (descriptor[3] == kNameTag && !name) {
            identity.modelName = DescriptorText(descriptor);
            name = true;
        } else if (descriptor[3] == kSerialTag && !serial) {
            identity.serialText = DescriptorText(descriptor);
            serial = true;
        }
    }
    return true;
}

bool IsMakerMonitor(const EdidIdentity& identity) {
    return identity.manufacturer == kMakerManufacturerId;
}

PnqMonitorInfo MakeMonitorInfo(std::uint32_t index, const std::uint8_t* edid,
                               const EdidIdentity& identity, const MonitorPlacement& placement) {
    PnqMonitorInfo info{};
    info.size = PNQ_MONITOR_INFO_SIZE;
    info.index = index;
    CopyText(info.manufacturer, identity.manufacturer);
    info.productCode = identity.productCode;
    info.edidVersion = static_cast<std::uint16_t>(identity.version << 8 | identity.revision);
    info.serialNumber = identity.serialNumber;
    info.year = identity.year;
    info.week = identity.week;
    info.flags = placement.primary ? PNQ_FLAG_PRIMARY : 0;
    info.left = placement.left;
    info.top = placement.top;
    info.right = placement.right;
    info.bottom = placement.bottom;
    CopyText(info.deviceName, placement.deviceName);
    CopyText(info.modelName, identity.modelName);
    CopyText(info.serialText, identity.serialText);
    CopyText(info.interfaceName, placement.interfaceName);
    std::memcpy(info.edid, edid, kEdidBlockSize);
    return info;
}
