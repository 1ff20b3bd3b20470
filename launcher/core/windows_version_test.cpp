#include "launcher/core/windows_version.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using namespace windows_ids;
using Family = WindowsFamily;

constexpr std::uint8_t kDomainController = 2;
constexpr std::uint8_t kServer = 3;

WindowsVersionFacts Basic(std::uint32_t platform, std::uint32_t major, std::uint32_t minor) {
    WindowsVersionFacts facts;
    facts.platformId = platform;
    facts.major = major;
    facts.minor = minor;
    return facts;
}

WindowsVersionFacts Extended(std::uint32_t major, std::uint32_t minor, std::uint8_t product,
                             std::uint16_t architecture = kArchitectureX86) {
    WindowsVersionFacts facts = Basic(kPlatformNt, major, minor);
    facts.extended = true;
    facts.productType = product;
    facts.processorArchitecture = architecture;
    return facts;
}

WindowsVersionFacts WithServerR2(WindowsVersionFacts facts) {
    facts.serverR2 = true;
    return facts;
}

WindowsVersionFacts WithSuite(WindowsVersionFacts facts, std::uint16_t suite) {
    facts.suiteMask = suite;
    return facts;
}

WindowsVersionFacts WithPlatform(WindowsVersionFacts facts, std::uint32_t platform) {
    facts.platformId = platform;
    return facts;
}

struct ClassifyCase {
    const char* name;
    WindowsVersionFacts facts;
    std::optional<Family> family;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ClassifyCase& c, std::ostream* os) {
    *os << c.name;
}

class ClassifyCases : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyCases, GivesTheFamily) {
    EXPECT_EQ(ClassifyWindowsVersion(GetParam().facts), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ClassifyCases,
    testing::Values(
        ClassifyCase{"Win32s", Basic(kPlatformWin32s, 3, 10), Family::None},
        ClassifyCase{"Windows98", Basic(kPlatformWindows, 4, 10), Family::None},
        ClassifyCase{"Nt351", Basic(kPlatformNt, 3, 51), Family::None},
        ClassifyCase{"Nt4", Extended(4, 0, kProductWorkstation), Family::None},
        ClassifyCase{"Windows2000", Basic(kPlatformNt, 5, 0), Family::Windows2000},
        ClassifyCase{"WindowsXp", Basic(kPlatformNt, 5, 1), Family::WindowsXp},
        ClassifyCase{"WindowsXpExtendedAmd64", Extended(5, 1, kServer, kArchitectureAmd64),
                     Family::WindowsXp},
        // 5.2: the R2 metric and the Home Server suite decide before the product type.
        ClassifyCase{"Server2003R2", WithServerR2(Basic(kPlatformNt, 5, 2)),
                     Family::WindowsServer2003},
        ClassifyCase{"Server2003R2OnWorkstationAmd64",
                     WithServerR2(Extended(5, 2, kProductWorkstation, kArchitectureAmd64)),
                     Family::WindowsServer2003},
        ClassifyCase{"HomeServerWithoutExtended",
                     WithSuite(Basic(kPlatformNt, 5, 2), kSuiteWhServer),
                     Family::WindowsServer2003},
        ClassifyCase{
            "HomeServerOnWorkstationAmd64",
            WithSuite(Extended(5, 2, kProductWorkstation, kArchitectureAmd64), kSuiteWhServer),
            Family::WindowsServer2003},
        ClassifyCase{"XpProfessionalX64", Extended(5, 2, kProductWorkstation, kArchitectureAmd64),
                     Family::WindowsXp},
        ClassifyCase{"XpProfessionalX64WithOtherSuites",
                     WithSuite(Extended(5, 2, kProductWorkstation, kArchitectureAmd64),
                               kSuiteWhServer | 0x0100),
                     Family::WindowsXp},
        ClassifyCase{"Nt52WorkstationOnX86", Extended(5, 2, kProductWorkstation),
                     Family::WindowsServer2003},
        ClassifyCase{"Nt52WorkstationOnIa64",
                     Extended(5, 2, kProductWorkstation, kArchitectureIa64),
                     Family::WindowsServer2003},
        ClassifyCase{"Server2003", Extended(5, 2, kServer), Family::WindowsServer2003},
        ClassifyCase{"Nt52WithoutExtended", Basic(kPlatformNt, 5, 2), Family::None},
        ClassifyCase{"Nt53", Extended(5, 3, kProductWorkstation), Family::None},
        ClassifyCase{"Vista", Extended(6, 0, kProductWorkstation), Family::WindowsVista},
        ClassifyCase{"Server2008", Extended(6, 0, kServer), Family::WindowsServer2008},
        ClassifyCase{"Server2008DomainController", Extended(6, 0, kDomainController),
                     Family::WindowsServer2008},
        ClassifyCase{"Nt60WithoutExtended", Basic(kPlatformNt, 6, 0), Family::None},
        ClassifyCase{"Windows7", Extended(6, 1, kProductWorkstation), Family::Windows7},
        ClassifyCase{"Server2008R2", Extended(6, 1, kServer, kArchitectureAmd64), Family::Windows7},
        ClassifyCase{"Nt61WithoutExtended", Basic(kPlatformNt, 6, 1), Family::Windows7},
        ClassifyCase{"Windows8", Extended(6, 2, kProductWorkstation), Family::Windows7},
        ClassifyCase{"Nt7", Extended(7, 0, kProductWorkstation), Family::None},
        ClassifyCase{"Windows10", Extended(10, 0, kProductWorkstation), Family::None},
        ClassifyCase{"UnknownPlatformFails", WithPlatform(Extended(6, 1, kProductWorkstation), 3),
                     std::nullopt},
        ClassifyCase{"WindowsCePlatformFails", Basic(3, 5, 0), std::nullopt}),
    [](const testing::TestParamInfo<ClassifyCase>& info) { return std::string(info.param.name); });

struct BitnessCase {
    const char* name;
    BitnessFacts facts;
    Bitness bitness;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const BitnessCase& c, std::ostream* os) {
    *os << c.name;
}

class BitnessCases : public testing::TestWithParam<BitnessCase> {};

TEST_P(BitnessCases, GivesTheBitness) {
    EXPECT_EQ(ClassifyBitness(GetParam().facts), GetParam().bitness);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, BitnessCases,
    testing::Values(
        BitnessCase{"NoNativeSystemInfo", {false, kArchitectureAmd64, true}, Bitness::Unknown},
        BitnessCase{"X86", {true, kArchitectureX86, false}, Bitness::Bits32},
        BitnessCase{"X86UnderWow64", {true, kArchitectureX86, true}, Bitness::Bits64},
        // A 32-bit launcher on 64-bit Windows sees the native architecture.
        BitnessCase{"Amd64", {true, kArchitectureAmd64, false}, Bitness::Bits64},
        BitnessCase{"Ia64", {true, kArchitectureIa64, false}, Bitness::Bits64},
        // Windows on Arm runs the 32-bit launcher under emulation; no WOW64 answer is needed.
        BitnessCase{"Arm64", {true, kArchitectureArm64, false}, Bitness::Bits64},
        BitnessCase{"Arm", {true, 5, false}, Bitness::Unknown},
        BitnessCase{"UnknownArchitecture", {true, 0xFFFF, false}, Bitness::Unknown}),
    [](const testing::TestParamInfo<BitnessCase>& info) { return std::string(info.param.name); });

struct MaskCase {
    const char* name;
    std::optional<Family> family;
    OsMask bits32;
    OsMask bits64;
    OsMask bitsUnknown;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.name;
}

class OsMaskOfCases : public testing::TestWithParam<MaskCase> {};

TEST_P(OsMaskOfCases, GivesOneBitPerBitness) {
    const auto& c = GetParam();
    EXPECT_EQ(OsMaskOf(c.family, Bitness::Bits32), c.bits32);
    EXPECT_EQ(OsMaskOf(c.family, Bitness::Bits64), c.bits64);
    EXPECT_EQ(OsMaskOf(c.family, Bitness::Unknown), c.bitsUnknown);
}

INSTANTIATE_TEST_SUITE_P(
    Families, OsMaskOfCases,
    testing::Values(MaskCase{"Failure", std::nullopt, 0, 0, 0},
                    MaskCase{"None", Family::None, 0, 0, 0},
                    MaskCase{"Windows2000", Family::Windows2000, 0x001, 0x001, 0x001},
                    MaskCase{"WindowsXp", Family::WindowsXp, 0x002, 0x004, 0},
                    MaskCase{"WindowsVista", Family::WindowsVista, 0x008, 0x010, 0},
                    MaskCase{"Server2003", Family::WindowsServer2003, 0x020, 0x040, 0},
                    MaskCase{"Server2008", Family::WindowsServer2008, 0x080, 0x100, 0},
                    MaskCase{"Windows7", Family::Windows7, 0x200, 0x400, 0}),
    [](const testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

// The whole chain as the launcher runs it: facts to family and bitness to the running system's
// bit, checked against the masks an information file would give.
TEST(CurrentOsMask, XpProfessionalX64MatchesXp64NotServer2003) {
    const auto family =
        ClassifyWindowsVersion(Extended(5, 2, kProductWorkstation, kArchitectureAmd64));
    const OsMask os = OsMaskOf(family, ClassifyBitness({true, kArchitectureAmd64, false}));
    EXPECT_EQ(os, OsMaskFromName(L"XP_64"));
    EXPECT_EQ(os & OsMaskFromName(L"Server2003"), 0u);
}

TEST(CurrentOsMask, Server2008R2OnAmd64MatchesWindows7) {
    const auto family = ClassifyWindowsVersion(Extended(6, 1, kServer, kArchitectureAmd64));
    const OsMask os = OsMaskOf(family, ClassifyBitness({true, kArchitectureAmd64, false}));
    EXPECT_EQ(os, OsMaskFromName(L"7_64"));
    EXPECT_EQ(os & OsMaskFromName(L"Server2008"), 0u);
}

} // namespace
