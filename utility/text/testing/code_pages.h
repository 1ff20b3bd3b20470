// Test support: the system code pages the utility meets, as the code page port reports them.
#pragma once

#include "utility/text/code_page.h"

// Western code pages (1252 and the like): every character one byte.
class SingleByteCodePage : public CodePage {
  public:
    bool IsLeadByte(unsigned char) const override { return false; }
};

// Japanese (code page 932): lead bytes 0x81-0x9F and 0xE0-0xFC.
class JapaneseCodePage : public CodePage {
  public:
    bool IsLeadByte(unsigned char b) const override {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};
