#include "utility/text/text_case.h"

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Calls `each(position, width)` for every character of `text`; a lead byte at the very end
// counts as a character of its own.
template <typename Each>
void ForEachCharacter(std::string_view text, const CodePage& codePage, Each each) {
    for (std::size_t at = 0; at < text.size();) {
        const bool lead = codePage.IsLeadByte(static_cast<unsigned char>(text[at]));
        const std::size_t width = lead && at + 1 < text.size() ? 2 : 1;
        each(at, width);
        at += width;
    }
}

} // namespace

std::string UpperCaseAscii(std::string_view text, const CodePage& codePage) {
    std::string out(text);
    ForEachCharacter(text, codePage, [&](std::size_t at, std::size_t width) {
        if (width == 1)
            out[at] = UpperAscii(out[at]);
    });
    return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b, const CodePage& codePage) {
    return a.size() == b.size() && UpperCaseAscii(a, codePage) == UpperCaseAscii(b, codePage);
}

std::string_view FileNamePart(std::string_view path, const CodePage& codePage) {
    std::size_t start = 0;
    ForEachCharacter(path, codePage, [&](std::size_t at, std::size_t width) {
        if (width == 1 && path[at] == '\\')
            start = at + 1;
    });
    return path.substr(start);
}
