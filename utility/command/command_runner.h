// Carries out a command of the utility's command line on the models and the device-control
// object the pages use: in the running utility on its own monitor list, or, when none runs, in
// the starting process on a list of its own. The answer is text for the console and an exit
// status.
#pragma once

#include "utility/command/command_request.h"
#include "utility/eyecare/screen_filter.h"
#include "utility/eyecare/vsfilter_model.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/settings/registry_port.h"
#include "utility/text/code_page.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"

#include <string>
#include <vector>

// The screen filter as the EyeCare Filter dialog works on it.
struct FilterTarget {
    const VSFilterSources& sources;
    FilterSettings& applied; // the filter applied now
    ScreenFilter& filter;
    // The overlays show what is stored (in the running utility); otherwise a new filter is only
    // stored, and the utility shows it when it starts.
    bool shown;
};

// What a command works with; the caller owns all of it.
struct CommandContext {
    DeviceCtrl& ctrl;
    CMonitorStatusAll& monitors;
    RegistryPort& registry;
    const StringTable& strings;
    const CodePage& codePage;
    const ShellState& shell; // which of the utility's dialogs are open
    FilterTarget& filter;
};

struct CommandAnswer {
    int status = kCommandDone;
    std::string text;   // the results: lines, each ended by '\n'
    std::string errors; // what went wrong, in lines as well
    // A monitor's settings changed: a page that shows them should be filled anew.
    bool monitorChanged = false;
};

// Parses `args` (the words after the program's name) and carries the command out.
CommandAnswer RunCommand(const std::vector<std::string>& args, CommandContext& context);
// The answer to a command line that does not parse (`error` says why).
CommandAnswer CommandLineError(const std::string& error);
// The answer to a command that arrives while another runs or a question of the user is open:
// it changes nothing, and the client may try again.
CommandAnswer BusyAnswer();
// Carries out a parsed command.
CommandAnswer RunCommand(const CommandRequest& request, CommandContext& context);
