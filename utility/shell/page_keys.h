// Keyboard rules of the main window that need no window: tab cycling and mnemonic matching.
#pragma once

#include <string_view>

inline constexpr int kPageCount = 3;

// Ctrl+Tab goes to the next page and Ctrl+Shift+Tab to the previous one, wrapping around.
int NextPage(int current, bool backwards);

// True when a control's text marks `letter` (A-Z, either case) as its mnemonic: an "&" followed
// by the letter. A doubled "&&" is a literal ampersand, not a mnemonic.
bool HasMnemonic(std::string_view text, char letter);
