// Input lines of hex digits, as the parse commands take them.
#pragma once

#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

// The bytes of a line of hex digit pairs; blanks between them are ignored. False for any other
// character or an odd number of digits.
inline bool HexLine(std::string_view line, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    int high = -1;
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isspace(u))
            continue;
        if (!std::isxdigit(u))
            return false;
        const int digit = std::isdigit(u) ? u - '0' : std::tolower(u) - 'a' + 10;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
            high = -1;
        }
    }
    return high < 0;
}
