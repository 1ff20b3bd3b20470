// The command's answer where the user or the script that started the program sees it.
#pragma once

#include <string>

// Writes `text` (lines ended by '\n', in the system code page) to the standard output when it is
// a file or a pipe, otherwise to the console of the process that started this one; with neither,
// nothing is written.
void WriteCommandOutput(const std::string& text);
