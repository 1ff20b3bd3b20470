// Reading the monitor's identity out of its EDID and the record libpanq hands its callers.
#include "libpanq/edid.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <tuple>

namespace {

using Block = std::array<std::uint8_t, kEdidBlockSize>;

// A base block of the given manufacturer (three letters) with two display descriptors.
Block MakeEdid(const char* manufacturer, const std::string& name, const std::string& serial) {
    Block edid{};
    const std::uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::memcpy(edid.data(), header, sizeof(header));
    const unsigned id = (manufacturer[0] - 'A' + 1) << 10 | (manufacturer[1] - 'A' + 1) << 5 |
                        (manufacturer[2] - 'A' + 1);
    edid[8] = static_cast<std::uint8_t>(id >> 8);
    edid[9] = static_cast<std::uint8_t>(id);
    edid[10] = 0x51; // product 0x2451, little-endian
    edid[11] = 0x24;
    edid[12] = 0x78; // serial 0x12345678
    edid[13] = 0x56;
    edid[14] = 0x34;
    edid[15] = 0x12;
    edid[16] = 14; // week
    edid[17] = 33; // 2023
    edid[18] = 1;
    edid[19] = 4;
    // First descriptor: a detailed timing (non-zero pixel clock) whose byte 3 happens to be 0xFC.
    edid[54] = 0x02;
    edid[55] = 0x3A;
    edid[57] = 0xFC;
    auto descriptor = [&](std::size_t at, std::uint8_t tag, const std::string& text) {
        edid[at + 3] = tag;
        std::memset(&edid[at + 5], ' ', 13);
        std::memcpy(&edid[at + 5], text.data(), std::min<std::size_t>(text.size(), 13));
        if (text.size() < 13)
            edid[at + 5 + text.size()] = '\n';
    };
    descriptor(72, 0xFC, name);
    descriptor(90, 0xFF, serial);
    return edid;
}

std::int32_t Int32At(const PnqMonitorInfo& info, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, reinterpret_cast<const std::uint8_t*>(&info) + offset, sizeof(value));
    return value;
}

TEST(Edid, ReadsTheIdentityOfAMakerMonitor) {
    const Block edid = MakeEdid("ORV", "EX-2451W", "  41234567");
    EdidIdentity identity;
    ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity));
    EXPECT_EQ(identity.manufacturer, "ORV");
    EXPECT_TRUE(IsMakerMonitor(identity));
    EXPECT_EQ(identity.productCode, 0x2451);
    EXPECT_EQ(identity.serialNumber, 0x12345678u);
    EXPECT_EQ(identity.week, 14);
    EXPECT_EQ(identity.year, 2023);
    EXPECT_EQ(identity.version, 1);
    EXPECT_EQ(identity.revision, 4);
    // The timing descriptor is skipped, the texts are cut at the line feed and trimmed.
    EXPECT_EQ(identity.modelName, "EX-2451W");
    EXPECT_EQ(identity.serialText, "41234567");
}

TEST(Edid, OtherManufacturersAreNotTheMakers) {
    for (const char* id : {"DEL", "ORW", "AAA", "ZZZ"}) {
        EdidIdentity identity;
        const Block edid = MakeEdid(id, "x", "y");
        ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity)) << id;
        EXPECT_EQ(identity.manufacturer, id);
        EXPECT_FALSE(IsMakerMonitor(identity)) << id;
    }
    // Letter codes outside A-Z show as the character 0x40 + code: 0 as "@", 27-31 as "[" ... "_".
    for (auto [high, low, id] : {std::tuple{0x00, 0x00, "@@@"}, std::tuple{0x6F, 0x7F, "[[_"}}) {
        Block edid = MakeEdid("ORV", "x", "y");
        edid[8] = static_cast<std::uint8_t>(high);
        edid[9] = static_cast<std::uint8_t>(low);
        EdidIdentity identity;
        ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity));
        EXPECT_EQ(identity.manufacturer, id);
        EXPECT_FALSE(IsMakerMonitor(identity));
    }
}

TEST(Edid, WeekIsKeptAsStoredAndTheFirstDescriptorOfEachKindCounts) {
    Block edid = MakeEdid("ORV", "FIRST", "S1");
    edid[16] = 0xFF; // the year is a model year
    // A later name and serial descriptor (in the last slot) do not replace the first ones.
    edid[108 + 3] = 0xFC;
    std::memcpy(&edid[108 + 5], "SECOND\n      ", 13);
    EdidIdentity identity;
    ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity));
    EXPECT_EQ(identity.week, 255);
    EXPECT_EQ(identity.year, 2023);
    EXPECT_EQ(identity.modelName, "FIRST");
    EXPECT_EQ(MakeMonitorInfo(0, edid.data(), identity, MonitorPlacement{}).week, 255);
}

TEST(Edid, RefusesWhatIsNotAnEdid) {
    Block edid = MakeEdid("ORV", "x", "y");
    EdidIdentity identity;
    EXPECT_FALSE(ParseEdid(nullptr, 0, identity));
    EXPECT_FALSE(ParseEdid(edid.data(), edid.size() - 1, identity));
    edid[7] = 0xFF;
    EXPECT_FALSE(ParseEdid(edid.data(), edid.size(), identity));
}

TEST(Edid, FullLengthDescriptorTextHasNoTerminator) {
    const Block edid = MakeEdid("ORV", "ABCDEFGHIJKLM", "");
    EdidIdentity identity;
    ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity));
    EXPECT_EQ(identity.modelName, "ABCDEFGHIJKLM");
    EXPECT_EQ(identity.serialText, "");
}

TEST(MonitorInfo, RecordCarriesPositionAtFixedOffsetsAndCutsTexts) {
    const Block edid = MakeEdid("ORV", "EX-2451W", "41234567");
    EdidIdentity identity;
    ASSERT_TRUE(ParseEdid(edid.data(), edid.size(), identity));
    MonitorPlacement placement;
    placement.left = -1920;
    placement.top = 120;
    placement.right = 0;
    placement.bottom = 1200;
    placement.primary = true;
    placement.deviceName = "\\\\.\\DISPLAY2";
    placement.interfaceName = std::string(400, 'i');

    const PnqMonitorInfo info = MakeMonitorInfo(3, edid.data(), identity, placement);
    EXPECT_EQ(Int32At(info, 28), -1920);
    EXPECT_EQ(Int32At(info, 32), 120);
    EXPECT_EQ(info.size, PNQ_MONITOR_INFO_SIZE);
    EXPECT_EQ(info.index, 3u);
    EXPECT_STREQ(info.manufacturer, "ORV");
    EXPECT_EQ(info.productCode, 0x2451);
    EXPECT_EQ(info.edidVersion, 0x0104);
    EXPECT_EQ(info.flags, PNQ_FLAG_PRIMARY);
    EXPECT_STREQ(info.deviceName, "\\\\.\\DISPLAY2");
    EXPECT_STREQ(info.modelName, "EX-2451W");
    EXPECT_STREQ(info.serialText, "41234567");
    // Too long for its field: cut, and still ended by a zero inside the field.
    EXPECT_EQ(std::string(info.interfaceName), std::string(sizeof(info.interfaceName) - 1, 'i'));
    EXPECT_EQ(std::memcmp(info.edid, edid.data(), kEdidBlockSize), 0);
    for (std::uint8_t byte : info.reserved)
        ASSERT_EQ(byte, 0);
}

} // namespace
