// The system's ANSI code page, as the utility's 8-bit texts use it.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "utility/text/code_page.h"

class SystemCodePage : public CodePage {
  public:
    bool IsLeadByte(unsigned char byte) const override { return ::IsDBCSLeadByte(byte) != FALSE; }
};
