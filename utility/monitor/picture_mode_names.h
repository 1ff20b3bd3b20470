// The picture modes' English names as the English string table gives them ("Movie mode"). The
// program shows the names of the user's language from its string table; the command line and the
// support tool speak English whatever the language, so that scripts work everywhere.
#pragma once

#include <string_view>

// The English name of mode `mode` ("Movie mode"); empty for the modes with the blank name and for
// numbers beyond the table.
std::string_view EnglishModeName(int mode);
// The same without its " mode" ("Movie"), as the command line takes it; only monitor modes
// (0 ... 36) have one.
std::string_view ShortModeName(int mode);
