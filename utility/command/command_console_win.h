// The command's answer where the user or the script that started the program sees it.
#pragma once

#include "utility/command/command_runner.h"

// Writes the results (lines ended by '\n', in the system code page) to the standard output and
// the errors to the standard error: a handle the starter handed over (a file, a pipe, NUL)
// takes the bytes as they are, a console the text in UTF-16. Without handed-over handles the
// text goes to the console of the process that started this one; with neither, nowhere.
void WriteCommandOutput(const CommandAnswer& answer);
