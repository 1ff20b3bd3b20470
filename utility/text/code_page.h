// The system code page as text rules need it: which bytes start a double-byte character (code
// page 932 and the other East Asian code pages), so that text is never cut inside a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CodePage {
  public:
    virtual ~CodePage() = default;
    virtual bool IsLeadByte(unsigned char byte) const = 0;
};

// The longest start of `text` of at most `maxBytes` bytes that ends after a whole character.
std::string CutToWholeCharacters(std::string_view text, std::size_t maxBytes,
                                 const CodePage& codePage);
