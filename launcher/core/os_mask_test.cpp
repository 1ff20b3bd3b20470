#include "launcher/core/os_mask.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct NameCase {
    const char* name;
    const wchar_t* text;
    OsMask bits;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class OsMaskFromNameCases : public testing::TestWithParam<NameCase> {};

TEST_P(OsMaskFromNameCases, AddsTheNamedBits) {
    EXPECT_EQ(OsMaskFromName(GetParam().text), GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(
    Names, OsMaskFromNameCases,
    testing::Values(NameCase{"Windows2000", L"2000", 0x001}, NameCase{"Xp", L"XP", 0x006},
                    NameCase{"Xp32", L"XP_32", 0x002}, NameCase{"Xp64", L"XP_64", 0x004},
                    NameCase{"Vista", L"Vista", 0x018}, NameCase{"Vista32", L"Vista_32", 0x008},
                    NameCase{"Vista64", L"Vista_64", 0x010},
                    NameCase{"Server2003", L"Server2003", 0x060},
                    NameCase{"Server2003_32", L"Server2003_32", 0x020},
                    NameCase{"Server2003_64", L"Server2003_64", 0x040},
                    NameCase{"Server2008", L"Server2008", 0x180},
                    NameCase{"Server2008_32", L"Server2008_32", 0x080},
                    NameCase{"Server2008_64", L"Server2008_64", 0x100},
                    NameCase{"Windows7", L"7", 0x600}, NameCase{"Windows7_32", L"7_32", 0x200},
                    NameCase{"Windows7_64", L"7_64", 0x400}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// Names are compared exactly: another case, blanks around or inside, or a near miss add nothing.
INSTANTIATE_TEST_SUITE_P(
    NearMisses, OsMaskFromNameCases,
    testing::Values(NameCase{"Empty", L"", 0}, NameCase{"LowerCase", L"xp", 0},
                    NameCase{"MixedCase", L"vista_32", 0},
                    NameCase{"UpperCaseServer", L"SERVER2008", 0},
                    NameCase{"LeadingBlank", L" XP", 0}, NameCase{"TrailingBlank", L"7 ", 0},
                    NameCase{"TrailingNewline", L"Vista\n", 0},
                    NameCase{"BlankInside", L"Server 2003", 0},
                    NameCase{"BlankBeforeSuffix", L"XP _64", 0},
                    NameCase{"UnknownSuffix", L"XP_86", 0}, NameCase{"UnknownVersion", L"8", 0},
                    NameCase{"NumericMask", L"6", 0}, NameCase{"Windows7Spelled", L"Windows7", 0}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(OsMask, XpOrLaterIsEveryNamedBitButWindows2000) {
    OsMask all = 0;
    for (const wchar_t* name : {L"2000", L"XP", L"Vista", L"Server2003", L"Server2008", L"7"})
        all |= OsMaskFromName(name);
    EXPECT_EQ(all, os_mask::kXpOrLater | os_mask::kWindows2000);
    EXPECT_EQ(os_mask::kXpOrLater & os_mask::kWindows2000, 0u);
}

} // namespace
