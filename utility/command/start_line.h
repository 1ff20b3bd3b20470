// What the program's own command line asks for, read as Windows hands it over: the raw line
// (GetCommandLine) and the program's own path (GetModuleFileName). A Run value, a shortcut or a
// script may give the path quoted or not; an unquoted path with blanks ("C:\Program Files
// (x86)\...") is split at its blanks by the C runtime, so the arguments are found after the
// program's own path instead, and only a first argument that starts with '/' is a command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct StartLine {
    bool command = false;           // false: start the utility
    std::vector<std::string> words; // the command's words, the first starting with '/'
};

StartLine ReadStartLine(std::string_view raw, std::string_view modulePath);
