// DimoraDdcci.exe started with a command: the command handed to the running utility, or carried
// out in this process when none runs, and its answer on the console it was started from.
#pragma once

#include <string>
#include <vector>

// `args` are the words after the program's name; answers the exit status.
int RunCommandLine(const std::vector<std::string>& args);
