// A program's name as the owner check and the automatic mode switching compare it: the
// executable file name without its folder and extension, ASCII letters in upper case (NOTEPAD).
#pragma once

#include "utility/text/code_page.h"

#include <string>

std::string ExecutableBaseName(const std::string& exeFile, const CodePage& codePage);
