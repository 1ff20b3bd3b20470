#include "utility/monitor/monitor_information.h"

#include <algorithm>

namespace {

// Little-endian value of up to `width` bytes after the type and length bytes, never reading past
// `available` bytes from the item start.
std::uint64_t DecodeLe(const std::uint8_t* item, std::size_t available, std::size_t width) {
    if (available < 2)
        return 0;
    const std::size_t count = std::min<std::size_t>({item[1], width, available - 2});
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = value << 8 | item[2 + i];
    return value;
}

// Tags that override the adjustment flags of one picture mode.
struct ModeTag {
    std::uint8_t tag;
    std::uint8_t mode;
};
constexpr ModeTag kModeTags[] = {{18, 0},  {19, 1},  {20, 2},  {21, 3},  {22, 4},  {23, 5},
                                 {24, 6},  {34, 14}, {40, 17}, {49, 22}, {50, 23}, {51, 24},
                                 {58, 31}, {61, 33}, {62, 34}, {68, 36}};

constexpr std::uint32_t kControllableBit = 0x10;
constexpr std::uint32_t kSoundResetBit = 0x80000000u;

} // namespace

std::uint32_t DecodeLe32(const std::uint8_t* item, std::size_t available) {
    return static_cast<std::uint32_t>(DecodeLe(item, available, 4));
}

std::uint64_t DecodeLe64(const std::uint8_t* item, std::size_t available) {
    return DecodeLe(item, available, 8);
}

bool ParseMonitorInformationBlock(const std::uint8_t (&block)[kMonitorInformationSize],
                                  MonitorInformation& out) {
    const std::size_t size = kMonitorInformationSize;
    if (std::all_of(std::begin(block), std::end(block), [](std::uint8_t b) { return b == 0; }))
        return false;
    MonitorInformation info;
    for (int mode = 0; mode < kPictureModeCount; ++mode)
        info.modeFlags[mode] = PictureModes()[mode].defaultFlags;

    std::size_t pos = 0;
    // A record is read only when its tag, length and value bytes all lie inside the block.
    while (pos + 1 < size && block[pos] != 0xFF && pos + 2 + block[pos + 1] <= size) {
        const std::uint8_t* item = block + pos;
        const std::size_t available = size - pos;
        const std::uint32_t value = DecodeLe32(item, available);
        switch (item[0]) {
        case 1:
            info.value1 = value;
            break;
        case 4:
            if (!(value & kControllableBit))
                return false;
            break;
        case 5:
            info.pictureModeMask = DecodeLe64(item, available);
            break;
        case 6:
            info.temperatureMask = value;
            break;
        case 7:
            info.value7 = value;
            break;
        case 10:
            info.audioFlags = value ? value | kSoundResetBit : 0;
            break;
        case 11:
            info.featureWord = value;
            break;
        case 14: {
            // Always the four bytes after the length byte, whatever the length says.
            std::uint8_t four[6] = {item[0], 4, 0, 0, 0, 0};
            std::copy_n(item + 2, std::min<std::size_t>(4, available - 2), four + 2);
            info.gammaMask = DecodeLe32(four, sizeof four);
            break;
        }
        case 36:
            info.extra38 = value;
            break;
        default:
            for (const auto& t : kModeTags) {
                if (t.tag == item[0])
                    info.modeFlags[t.mode] = value;
            }
            break;
        }
        pos += 2 + item[1];
    }
    out = info;
    return true;
}
