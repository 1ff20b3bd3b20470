// The screen filter's arithmetic at the ends of its ranges, the numbers of the default file,
// which controls a setting enables, what OK stores, and stored values held to their ranges.
#include "utility/eyecare/filter_rules.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterRules, SlidersAndValuesConvertBothWays) {
    struct Case {
        int percent, alpha;
    };
    for (const Case c : {Case{0, 0}, Case{1, 3}, Case{25, 64}, Case{50, 128}}) {
        EXPECT_EQ(AlphaFromPercent(c.percent), c.alpha) << c.percent;
        EXPECT_EQ(PercentFromAlpha(c.alpha), c.percent) << c.alpha;
    }
    for (int percent = 0; percent <= kTransmittanceMaxPercent; ++percent)
        EXPECT_EQ(PercentFromAlpha(AlphaFromPercent(percent)), percent);
    EXPECT_EQ(PercentFromAlpha(255), 100);
    EXPECT_EQ(LuminanceFromSlider(0), -100);
    EXPECT_EQ(LuminanceFromSlider(kLuminanceSliderMax), 100);
    EXPECT_EQ(SliderFromLuminance(-30), 70);
}

TEST(FilterRules, LeadingNumbersOfTheDefaultFile) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    for (const Case c :
         {Case{L"64", 64}, Case{L"  -20", -20}, Case{L"+7 lux", 7}, Case{L"", 0}, Case{L"x12", 0},
          Case{L"\n 12\n", 12}, Case{L"-", 0}, Case{L"99999999999999999999", 1'000'000'000},
          Case{L"-99999999999999999999", -1'000'000'000}})
        EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << std::wstring(c.text).size() << '"';
}

TEST(FilterRules, EnablingAndSaving) {
    struct Case {
        FilterSettings settings;
        bool path, adjust;
    };
    for (const Case& c : {Case{{0, 0, "", 0, 0}, false, false},
                          Case{{1, kFilterTypeDefault, "C:\\d\\a.png", 64, 0}, false, true},
                          Case{{1, kFilterTypeUserFile, "", 0, 0}, true, false},
                          Case{{1, kFilterTypeUserFile, "C:\\p.bmp", 64, 0}, true, true}}) {
        const FilterEnabling enabling = EnablingFor(c.settings);
        EXPECT_EQ(enabling.path, c.path) << c.settings.fileType << c.settings.filePath;
        EXPECT_EQ(enabling.adjust, c.adjust) << c.settings.fileType << c.settings.filePath;
    }
    const FilterSettings noFile = NormalisedForSaving({1, kFilterTypeUserFile, "", 64, 10});
    EXPECT_EQ(noFile.on, 0) << "Select File without a file stores no filter";
    EXPECT_EQ(noFile.fileType, kFilterTypeNone);
    EXPECT_EQ(noFile.alpha, 0);
    EXPECT_EQ(NormalisedForSaving({0, kFilterTypeDefault, "C:\\a.png", 64, 0}).on, 1);
}

TEST(FilterRules, StoredOpacityAndLuminanceAreHeldToTheirRanges) {
    MemoryRegistry port;
    CRegistry registry(port);
    const char* key = kVSFilterKey.data();
    const std::uint8_t on = 1;
    registry.WriteBinary("On", &on, 1, key);
    struct Case {
        std::uint32_t alpha;
        std::int32_t luminance;
        int keptAlpha, keptLuminance;
    };
    for (const Case c :
         {Case{300, -500, 255, -100}, Case{0xFFFFFFFF, 101, 0, 100}, Case{128, -100, 128, -100}}) {
        registry.WriteDword("Alpha", c.alpha, key);
        registry.WriteBinary("Luminance", &c.luminance, sizeof c.luminance, key);
        FilterSettings filter;
        LoadFilterSettings(registry, filter);
        EXPECT_EQ(filter.alpha, c.keptAlpha) << c.alpha;
        EXPECT_EQ(filter.luminance, c.keptLuminance) << c.luminance;
    }
}

} // namespace
