#include "utility/text/code_page.h"

std::string CutToWholeCharacters(std::string_view text, std::size_t maxBytes,
                                 const CodePage& codePage) {
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t width =
            codePage.IsLeadByte(static_cast<unsigned char>(text[kept])) ? 2 : 1;
        if (kept + width > maxBytes || kept + width > text.size())
            break;
        kept += width;
    }
    return std::string(text.substr(0, kept));
}
