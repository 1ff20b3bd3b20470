#include "utility/eyecare/filter_rules.h"

#include <cwctype>

int LeadingNumber(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::iswspace(static_cast<wint_t>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'-' || text[at] == L'+'))
        negative = text[at++] == L'-';
    constexpr long long kSaturation = 1'000'000'000;
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        if (value < kSaturation)
            value = value * 10 + (text[at] - L'0');
    }
    if (value > kSaturation)
        value = kSaturation;
    return static_cast<int>(negative ? -value : value);
}

FilterEnabling EnablingFor(const FilterSettings& settings) {
    FilterEnabling enabling;
    enabling.path = settings.on && settings.fileType == kFilterTypeUserFile;
    enabling.adjust = settings.on && !settings.filePath.empty();
    return enabling;
}

FilterSettings NormalisedForSaving(const FilterSettings& settings) {
    FilterSettings saved = settings;
    if (saved.fileType == kFilterTypeUserFile && saved.filePath.empty())
        saved = FilterSettings{};
    saved.on = saved.fileType != kFilterTypeNone ? 1 : 0;
    return saved;
}
