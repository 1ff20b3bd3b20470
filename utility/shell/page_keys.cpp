#include "utility/shell/page_keys.h"

#include <cctype>

int NextPage(int current, bool backwards) {
    const int step = backwards ? kPageCount - 1 : 1;
    return ((current % kPageCount + kPageCount) % kPageCount + step) % kPageCount;
}

bool HasMnemonic(std::string_view text, char letter) {
    const int wanted = std::toupper(static_cast<unsigned char>(letter));
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        if (std::toupper(static_cast<unsigned char>(text[i + 1])) == wanted)
            return true;
    }
    return false;
}
