#include "utility/text/ui_language.h"

namespace {

constexpr unsigned kJapaneseCodePage = 932;

constexpr std::uint16_t PrimaryLanguage(std::uint16_t language) {
    return language & 0x3FF;
}

} // namespace

std::uint16_t ResourceLanguageFor(unsigned ansiCodePage, std::uint16_t uiLanguage) {
    if (PrimaryLanguage(uiLanguage) == PrimaryLanguage(kLanguageJapanese) &&
        ansiCodePage == kJapaneseCodePage)
        return kLanguageJapanese;
    return kLanguageEnglishUs;
}
