// Test support: the filter files' text conversion for ASCII names, byte for byte.
#pragma once

#include "utility/eyecare/def_filter_file.h"

inline FilterTextCodec AsciiCodec() {
    return FilterTextCodec{
        [](std::string_view text) { return std::wstring(text.begin(), text.end()); },
        [](std::wstring_view text) {
            std::string narrow;
            for (wchar_t c : text)
                narrow += c < 0x80 ? static_cast<char>(c) : '?';
            return narrow;
        }};
}
