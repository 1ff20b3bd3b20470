// The monitor-information block (block slot 1): 255 bytes of tag / length / value records.
// Checks: the item decoders read only the bytes they are given and give at most as many bytes
// as the record holds; an all-zero block fails; a failed parse leaves the result alone; the
// sound-reset bit comes only with a volume; modes no tag names keep their default flags.
#include "fuzz/testing/fuzz_check.h"
#include "utility/monitor/monitor_information.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>

namespace {

// The modes whose flags some tag of the block may set.
const std::set<int> kTaggedModes{0, 1, 2, 3, 4, 5, 6, 14, 17, 22, 23, 24, 31, 33, 34, 36};

void CheckDecoders(const std::uint8_t* data, std::size_t size) {
    // The input buffer is exactly `size` bytes, so a read past it is an AddressSanitizer report.
    const std::uint32_t value32 = DecodeLe32(data, size);
    const std::uint64_t value64 = DecodeLe64(data, size);
    if (size < 2) {
        FUZZ_CHECK(value32 == 0 && value64 == 0);
        return;
    }
    const std::size_t bytes = std::min<std::size_t>(data[1], size - 2);
    if (bytes < 8)
        FUZZ_CHECK(value64 < (std::uint64_t{1} << (8 * bytes)));
    FUZZ_CHECK(value32 == static_cast<std::uint32_t>(value64) || bytes > 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckDecoders(data, size);

    // A heap block of exactly the block size, zero after the input.
    auto block = std::make_unique<std::uint8_t[][kMonitorInformationSize]>(1);
    std::memcpy(block[0], data, std::min(size, kMonitorInformationSize));

    MonitorInformation sentinel;
    sentinel.value1 = 0xDEADBEEF;
    MonitorInformation info = sentinel;
    const bool ok = ParseMonitorInformationBlock(block[0], info);
    const bool allZero =
        std::all_of(block[0], block[0] + kMonitorInformationSize, [](auto b) { return b == 0; });
    if (allZero)
        FUZZ_CHECK(!ok);
    if (!ok) {
        FUZZ_CHECK(info == sentinel);
        return 0;
    }
    FUZZ_CHECK(info.audioFlags == 0 || (info.audioFlags & 0x80000000u) != 0);
    for (int mode = 0; mode < kPictureModeCount; ++mode) {
        if (!kTaggedModes.count(mode))
            FUZZ_CHECK(info.modeFlags[mode] == PictureModes()[mode].defaultFlags);
    }
    MonitorInformation again;
    FUZZ_CHECK(ParseMonitorInformationBlock(block[0], again) && again == info);
    return 0;
}
