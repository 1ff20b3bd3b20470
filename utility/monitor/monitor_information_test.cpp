#include "utility/monitor/monitor_information.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

struct Block {
    std::uint8_t bytes[kMonitorInformationSize] = {};
    Block(std::initializer_list<std::uint8_t> start) {
        std::copy(start.begin(), start.end(), bytes);
    }
};

MonitorInformation Defaults() {
    MonitorInformation info;
    for (int m = 0; m < kPictureModeCount; ++m)
        info.modeFlags[m] = PictureModes()[m].defaultFlags;
    return info;
}

TEST(MonitorInformation, ControllableBitDecides) {
    MonitorInformation info;
    EXPECT_FALSE(ParseMonitorInformationBlock(Block{4, 1, 0x00, 0xFF}.bytes, info));
    EXPECT_TRUE(ParseMonitorInformationBlock(Block{4, 1, 0x10, 0xFF}.bytes, info));
    EXPECT_EQ(info, Defaults());
}

TEST(MonitorInformation, ZeroBlockFailsEndMarkerGivesDefaults) {
    MonitorInformation info;
    info.value1 = 77;
    EXPECT_FALSE(ParseMonitorInformationBlock(Block{}.bytes, info));
    EXPECT_EQ(info.value1, 77u) << "untouched on failure";
    EXPECT_TRUE(ParseMonitorInformationBlock(Block{0xFF, 5, 8, 1}.bytes, info));
    EXPECT_EQ(info, Defaults());
}

TEST(MonitorInformation, StoresEachTag) {
    MonitorInformation info;
    ASSERT_TRUE(ParseMonitorInformationBlock(
        Block{1,   1, 0x02,                                  // value 1
              5,   8, 0x1F, 0,    0x02, 0x80, 0, 0, 0, 0x40, // mode mask, 64 bits
              6,   4, 0xFF, 0x0F, 0,    0,                   // temperatures
              7,   2, 0x34, 0x12,                            // value 7
              10,  2, 0x02, 0x00,                            // audio
              11,  2, 0x09, 0x00,                            // feature word
              36,  1, 0x38,                                  // extra value
              18,  1, 0x00,                                  // Text mode flags cleared
              68,  2, 0x01, 0x80,                            // Eco mode flags
              99,  3, 1,    2,    3,                         // unknown tag skipped
              14,  1, 0xF0,                                  // gamma: four bytes whatever L says
              0xFF}
            .bytes,
        info));
    EXPECT_EQ(info.value1, 2u);
    EXPECT_EQ(info.pictureModeMask, 0x400000008002001Full);
    EXPECT_EQ(info.temperatureMask, 0xFFFu);
    EXPECT_EQ(info.value7, 0x1234u);
    EXPECT_EQ(info.gammaMask, 0xFFF0u) << "the end marker is the second gamma byte";
    EXPECT_EQ(info.audioFlags, 0x80000002u);
    EXPECT_EQ(info.featureWord, 9u);
    EXPECT_EQ(info.extra38, 0x38u);
    EXPECT_EQ(info.modeFlags[0], 0u);
    EXPECT_EQ(info.modeFlags[36], 0x8001u);
    EXPECT_EQ(info.modeFlags[1], 0x8005u) << "other modes keep their defaults";
}

TEST(MonitorInformation, AudioZeroMeansNoSound) {
    MonitorInformation info;
    ASSERT_TRUE(ParseMonitorInformationBlock(Block{10, 2, 0, 0, 0xFF}.bytes, info));
    EXPECT_EQ(info.audioFlags, 0u);
}

TEST(MonitorInformation, RecordPastTheEndIsNotRead) {
    Block block{1, 1, 0x05};
    // Value 1 again at 250, claiming 10 bytes: it would end past byte 255.
    block.bytes[3] = 0xFE; // skipped tag spanning up to 250
    block.bytes[4] = 245;
    block.bytes[250] = 1;
    block.bytes[251] = 10;
    block.bytes[252] = 0x77;
    MonitorInformation info;
    ASSERT_TRUE(ParseMonitorInformationBlock(block.bytes, info));
    EXPECT_EQ(info.value1, 5u);

    // Even the first record is bounded.
    Block first{5, 255, 0x11};
    ASSERT_TRUE(ParseMonitorInformationBlock(first.bytes, info));
    EXPECT_EQ(info.pictureModeMask, 0u);
}

TEST(MonitorInformation, DecodeTakesAtMostItsWidth) {
    const std::uint8_t item[] = {5, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(DecodeLe32(item, sizeof item), 0x04030201u);
    EXPECT_EQ(DecodeLe64(item, sizeof item), 0x0807060504030201ull);
    EXPECT_EQ(DecodeLe32(item, 4), 0x0201u) << "never past the bytes available";
}

} // namespace
