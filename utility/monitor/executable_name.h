// A program's name as the owner check and the automatic mode switching compare it: the
// executable file name without its folder and extension, in upper case (NOTEPAD).
#pragma once

#include <string>

std::string ExecutableBaseName(const std::string& exeFile);
