// Case folding and file names of 8-bit text in the system code page. Only ASCII letters change
// case; the two bytes of a double-byte character stay as they are, since the second byte of a
// code page 932 character can be any of "@" to "~" (letters and the backslash among them).
#pragma once

#include "utility/text/code_page.h"

#include <string>
#include <string_view>

// `text` with its ASCII letters in upper case.
std::string UpperCaseAscii(std::string_view text, const CodePage& codePage);

// Equal when each character is the same, ASCII letters compared without case.
bool EqualIgnoringCase(std::string_view a, std::string_view b, const CodePage& codePage);

// The last part of a path: what follows its last backslash that is a character of its own.
std::string_view FileNamePart(std::string_view path, const CodePage& codePage);
