// The resource language by the system's code page and the user's display language.
#include "utility/text/ui_language.h"

#include <gtest/gtest.h>

namespace {

TEST(UiLanguage, JapaneseOnlyWhereTheCodePageCarriesIt) {
    const struct {
        unsigned codePage;
        std::uint16_t display;
        std::uint16_t shown;
    } cases[] = {
        {932, 0x0411, kLanguageJapanese},    // Japanese Windows
        {1252, 0x0411, kLanguageEnglishUs},  // English Windows with a Japanese display language
        {65001, 0x0411, kLanguageEnglishUs}, // the UTF-8 beta option: no double-byte lead bytes
        {936, 0x0411, kLanguageEnglishUs},   // Chinese code page: other double-byte characters
        {932, 0x0409, kLanguageEnglishUs},   // Japanese code page, English display language
        {932, 0x0809, kLanguageEnglishUs},   // ... British English
        {932, 0x0407, kLanguageEnglishUs},   // ... a display language without resources
        {1252, 0x0409, kLanguageEnglishUs},  {1252, 0x0407, kLanguageEnglishUs},
        {932, 0x0011, kLanguageJapanese},  // Japanese without a sublanguage
        {932, 0x0000, kLanguageEnglishUs}, // none reported
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResourceLanguageFor(c.codePage, c.display), c.shown)
            << "code page " << c.codePage << ", display language " << std::hex << c.display;
}

} // namespace
