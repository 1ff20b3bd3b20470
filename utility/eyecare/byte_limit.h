// The byte-limited edit's rule: a text longer than its limit in bytes keeps the longest start
// that fits and ends after a whole character of the system code page. The walk goes from the
// text's start, since a trail byte of code page 932 can look like a lead byte on its own.
#pragma once

#include "utility/text/code_page.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kByteEditMostBytes = 1024;

// The limit an edit keeps: 0 or more than 1024 gives 1024.
inline std::size_t ByteEditLimit(std::size_t requested) {
    return requested == 0 || requested > kByteEditMostBytes ? kByteEditMostBytes : requested;
}

// The text to put back when `text` is longer than `limit` bytes; nothing when it fits.
inline std::optional<std::string> CutToByteLimit(std::string_view text, std::size_t limit,
                                                 const CodePage& codePage) {
    if (text.size() <= limit)
        return std::nullopt;
    return CutToWholeCharacters(text, limit, codePage);
}
