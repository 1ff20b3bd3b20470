#include "utility/text/printable_text.h"

std::string PrintableText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"')
            out += "\\\"";
        else
            out += byte < 0x20 || byte >= 0x7F ? '?' : c;
    }
    return out;
}
