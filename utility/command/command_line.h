// The utility's command line: DimoraDdcci.exe /list, /mode, /get, /set, /restore, /filter,
// /help. Parsing needs no monitor; what a monitor offers is checked when the command runs.
#pragma once

#include "utility/command/command_request.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Parses the arguments after the program's name. False with `error` saying what is wrong.
bool ParseCommandLine(const std::vector<std::string>& args, CommandRequest& request,
                      std::string& error);

// The picture mode a MODE argument names: a number 0 ... 36, or an English name with or without
// its " mode", in any case ("movie", "Cinema", "sRGB mode"); -1 for none.
int ModeNamed(std::string_view text);

// A /set VALUE that is a step from the value shown ("+10", "-5"): the step; none for a value.
std::optional<int> RelativeStep(std::string_view value);

// The name of a control as the command line spells it ("brightness").
std::string_view ControlName(CommandControl control);

// What /help prints.
std::string CommandUsage();
