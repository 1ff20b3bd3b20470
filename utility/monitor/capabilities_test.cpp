#include "utility/monitor/capabilities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::pair<int, int>>;

Codes Entries(const CapabilityCodes& codes) {
    Codes out;
    for (const auto& [code, value] : codes)
        out.emplace_back(code, value);
    return out;
}

const Codes kReference{{0x02, -1},   {0x04, -1},   {0x10, -1},   {0x12, -1},
                       {0x14, 0x05}, {0x14, 0x08}, {0x14, 0x0B}, {0x16, -1}};

struct CapsCase {
    const char* name;
    const char* text;
    bool ok;
    Codes codes;
};

class ParseCapabilitiesCases : public testing::TestWithParam<CapsCase> {};

TEST_P(ParseCapabilitiesCases, GivesTheExpectedCodes) {
    const auto& c = GetParam();
    CapabilityCodes codes;
    EXPECT_EQ(ParseCapabilities(c.text, codes), c.ok);
    EXPECT_EQ(Entries(codes), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCapabilitiesCases,
    testing::Values(
        CapsCase{"Reference",
                 "(prot(monitor)type(lcd)vcp(02 04 10 12 14(05 08 0B) 16)mswhql(1)mccs_ver(2.0))",
                 true, kReference},
        CapsCase{"UpperCase",
                 "(PROT(MONITOR)TYPE(LCD)VCP(02 04 10 12 14(05 08 0B) 16)MSWHQL(1)MCCS_VER(2.0))",
                 true, kReference},
        CapsCase{"BlankBeforeValueList",
                 "(prot(monitor)type(lcd)vcp(02 04 10 12 14 (05 08 0B) 16)mswhql(1)mccs_ver(2.0))",
                 true, kReference},
        CapsCase{"RunsOfBlanksAndOuterBlanks",
                 "  (prot(monitor)  type(lcd)vcp(02   04 10 12 14 ( 05  08 0B )  16)mswhql(1)"
                 "mccs_ver(2.0))  ",
                 true, kReference},
        CapsCase{"MccsVerBeforeMswhql",
                 "(prot(monitor)vcp(02 04 10 12 14(05 08 0B) 16)mccs_ver(2.0)mswhql(1))", true,
                 kReference},
        CapsCase{"NoMswhql", "(prot(monitor)vcp(10 12)mccs_ver(2.0))", false, {}},
        CapsCase{"NoMccsVer", "(prot(monitor)vcp(10 12)mswhql(1))", false, {}},
        CapsCase{"NoVcpList", "(prot(monitor)type(lcd)mswhql(1)mccs_ver(2.0))", false, {}},
        CapsCase{"Empty", "", false, {}}, CapsCase{"BlanksOnly", "   ", false, {}},
        CapsCase{"EmptyValueListInsertsNothing",
                 "(vcp(10 14() 16)mswhql(1)mccs_ver(2.0))",
                 true,
                 {{0x10, -1}, {0x16, -1}}},
        CapsCase{"MarkerBeforeVcpFails", "(mswhql(1)mccs_ver(2.0))vcp(10 12)", false, {}},
        CapsCase{"MalformedTokensBecomeZeroAndTruncate",
                 "(vcp(zz 1ff 14(xy 105))mswhql(1)mccs_ver(2.0))",
                 true,
                 {{0x00, -1}, {0x14, 0x00}, {0x14, 0x05}, {0xFF, -1}}},
        CapsCase{
            "NestedListsOfOtherCodes",
            "(vcp(60(01 03 11) 62 cc(01 02))mswhql(1)mccs_ver(2.2))",
            true,
            {{0x60, 0x01}, {0x60, 0x03}, {0x60, 0x11}, {0x62, -1}, {0xCC, 0x01}, {0xCC, 0x02}}}),
    [](const testing::TestParamInfo<CapsCase>& info) { return std::string(info.param.name); });

TEST(ParseCapabilities, AddsToWhatTheMapHolds) {
    CapabilityCodes codes{{0x10, -1}};
    ASSERT_TRUE(ParseCapabilities("vcp(10 12)mswhql(1)mccs_ver(2)", codes));
    EXPECT_EQ(Entries(codes), (Codes{{0x10, -1}, {0x10, -1}, {0x12, -1}}));
}

TEST(ParseVendorPages, ReadsPagesCodesAndValues) {
    VendorPageMap pages;
    ASSERT_TRUE(ParseVendorPages("10(e2 e3 e4)20(e2 e6)30(e2(00 01 03) e3 e4)", pages));
    const std::vector<std::pair<VendorKey, int>> expected{
        {{0x10, 0xE2}, -1}, {{0x10, 0xE3}, -1},   {{0x10, 0xE4}, -1},   {{0x20, 0xE2}, -1},
        {{0x20, 0xE6}, -1}, {{0x30, 0xE2}, 0x00}, {{0x30, 0xE2}, 0x01}, {{0x30, 0xE2}, 0x03},
        {{0x30, 0xE3}, -1}, {{0x30, 0xE4}, -1}};
    const std::vector<std::pair<VendorKey, int>> actual(pages.begin(), pages.end());
    EXPECT_EQ(actual, expected);
}

TEST(ParseVendorPages, SameMapWithBlanksAndUpperCase) {
    VendorPageMap a, b;
    ASSERT_TRUE(ParseVendorPages("10(e2 e3)30(e2(00 01) e3)", a));
    ASSERT_TRUE(ParseVendorPages("  10 (E2  E3) 30(E2 (00 01) E3)  ", b));
    EXPECT_EQ(a, b);
}

TEST(ParseVendorPages, EmptyFailsBlanksSucceedWithNothing) {
    VendorPageMap pages;
    EXPECT_FALSE(ParseVendorPages("", pages));
    EXPECT_TRUE(ParseVendorPages("   ", pages));
    EXPECT_TRUE(pages.empty());
}

TEST(ParseVendorPages, WidePagesKeepSixteenBits) {
    VendorPageMap pages;
    ASSERT_TRUE(ParseVendorPages("1f0(e2)", pages));
    EXPECT_TRUE(Contains(pages, VendorKey{0x1F0, 0xE2}, -1));
}

TEST(Contains, AnyValueAndListedValues) {
    CapabilityCodes codes;
    ASSERT_TRUE(ParseCapabilities("vcp(10 14(05 08))mswhql(1)mccs_ver(2)", codes));
    EXPECT_TRUE(Contains(codes, 0x10, 50)) << "a code without a list accepts any value";
    EXPECT_TRUE(Contains(codes, 0x14, 0x08));
    EXPECT_FALSE(Contains(codes, 0x14, 0x06)) << "a listed code accepts only its values";
    EXPECT_TRUE(Contains(codes, 0x14, -1)) << "asking for any value needs only the key";
    EXPECT_FALSE(Contains(codes, 0x12, -1));
}

} // namespace
