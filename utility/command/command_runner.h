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

// Why a command did not do its work on a monitor, for a caller that says it in the user's
// language instead of printing the English lines.
enum class CommandRefusal {
    None,
    NotOffered,   // no such monitor, mode, setting, data or picture
    ModeForbids,  // the picture mode does not let the setting change
    NotPermitted, // the monitor does not permit adjustment now
    OtherProgram, // another program is working on the monitor
    NotTaken,     // the monitor answered but did not take it
    NoAnswer,     // the monitor did not answer
    DialogOpen,   // a dialog of the utility works on the same thing
};

// What a command did on one monitor of the list.
struct MonitorOutcome {
    int index = -1; // in the monitor list
    int status = kCommandDone;
    CommandRefusal refusal = CommandRefusal::None;
    // /get and /set: the value box's number afterwards, and the numbers at the slider's ends.
    bool hasValue = false;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    // /mode: the mode the monitor has afterwards and its name as the page lists it.
    int mode = -1;
    std::string modeName;
};

struct CommandAnswer {
    int status = kCommandDone;
    std::string text;   // the results: lines, each ended by '\n'
    std::string errors; // what went wrong, in lines as well
    // A monitor's settings changed: a page that shows them should be filled anew.
    bool monitorChanged = false;
    // Per monitor worked on, in the list's order; what refused the command before any monitor
    // (a dialog open) is `refusal`.
    std::vector<MonitorOutcome> outcomes{};
    CommandRefusal refusal = CommandRefusal::None;
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
