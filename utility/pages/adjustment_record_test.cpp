// The stored record's layout, both ways, against bytes written out by hand; and what a damaged
// value gives.
#include "utility/pages/adjustment_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

AdjustmentRecord SampleRecord() {
    AdjustmentRecord record;
    record.modelName = "EX-2451W";
    record.serialNumber = "41234567";
    record.identityKey = "41234567EX-2451W";
    record.mode = 3;
    record.temperature = 15;
    record.brightness = {300, 400, 1};
    record.red = {200, 255, 1};
    record.green = {190, 255, 1};
    record.gamma = {255, 8, 0};
    record.group = {10, 20, 0x1234, 40};
    record.groupValid = 1;
    record.contrast = {70, 100, 1};
    return record;
}

// SampleRecord as stored, field by field with its offset.
const Bytes kSampleBytes = {
    // 0 model name, 18 serial number
    'E', 'X', '-', '2', '4', '5', '1', 'W', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    '4', '1', '2', '3', '4', '5', '6', '7', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    // 36 identity key
    '4', '1', '2', '3', '4', '5', '6', '7', 'E', 'X', '-', '2', '4', '5', '1', 'W', 0, 0, //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                 //
    // 72 mode, 76 temperature
    3, 0, 0, 0, 15, 0, 0, 0, //
    // 80 brightness 300 of 400, 92 red, 104 green, 116 blue (not read)
    0x2C, 1, 0, 0, 0x90, 1, 0, 0, 1, 0, 0, 0, //
    200, 0, 0, 0, 255, 0, 0, 0, 1, 0, 0, 0,   //
    190, 0, 0, 0, 255, 0, 0, 0, 1, 0, 0, 0,   //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,       //
    // 128 gamma 255, not valid
    255, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, //
    // 140 four-value group, 156 its valid flag
    10, 0, 0, 0, 20, 0, 0, 0, 0x34, 0x12, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, //
    // 160 contrast
    70, 0, 0, 0, 100, 0, 0, 0, 1, 0, 0, 0, //
};

TEST(AdjustmentRecord, EncodesAndDecodesTheStoredLayout) {
    ASSERT_EQ(kSampleBytes.size(), kAdjustmentRecordSize);
    const auto encoded = EncodeAdjustmentRecord(SampleRecord());
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), kSampleBytes);
    AdjustmentRecord decoded;
    ASSERT_TRUE(DecodeAdjustmentRecord(kSampleBytes.data(), kSampleBytes.size(), decoded));
    EXPECT_EQ(decoded, SampleRecord());
}

TEST(AdjustmentRecord, TextsAreCutToTheirFieldsAndAlwaysEndInside) {
    AdjustmentRecord record;
    record.modelName = std::string(20, 'M');
    record.serialNumber = std::string(18, 'S');
    record.identityKey = std::string(40, 'K');
    const auto encoded = EncodeAdjustmentRecord(record);
    EXPECT_EQ(encoded[16], 'M');
    EXPECT_EQ(encoded[17], 0) << "17 characters and the terminator";
    EXPECT_EQ(encoded[35], 0);
    EXPECT_EQ(encoded[70], 'K');
    EXPECT_EQ(encoded[71], 0);

    // A record without any zero: no text runs on into the next field.
    const Bytes filled(kAdjustmentRecordSize, 'A');
    AdjustmentRecord decoded;
    ASSERT_TRUE(DecodeAdjustmentRecord(filled.data(), filled.size(), decoded));
    EXPECT_EQ(decoded.modelName, std::string(17, 'A'));
    EXPECT_EQ(decoded.serialNumber, std::string(17, 'A'));
    EXPECT_EQ(decoded.identityKey, std::string(35, 'A'));
    EXPECT_EQ(decoded.mode, 0x41414141u);
}

TEST(AdjustmentRecord, OnlyExactlyOneRecordDecodes) {
    for (std::size_t size :
         {std::size_t{0}, kAdjustmentRecordSize - 1, kAdjustmentRecordSize + 1}) {
        const Bytes bytes(size + 1, 0);
        AdjustmentRecord record = SampleRecord();
        EXPECT_FALSE(DecodeAdjustmentRecord(bytes.data(), size, record)) << size;
        EXPECT_EQ(record, SampleRecord()) << "untouched after size " << size;
    }
}

} // namespace
