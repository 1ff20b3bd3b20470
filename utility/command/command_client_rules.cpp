#include "utility/command/command_client_rules.h"

ClientStep NextClientStep(const UtilityProbe& probe) {
    if (probe.windowReady && !probe.windowDenied)
        return ClientStep::Send;
    if (probe.windowDenied || probe.mutex == UtilityMutex::Denied)
        return ClientStep::Unreachable;
    return probe.mutex == UtilityMutex::Held ? ClientStep::Wait : ClientStep::RunAlone;
}

CommandAnswer UnreachableAnswer() {
    return {kCommandNoAnswer, "",
            "DimoraDdcci: the utility runs with higher rights (as administrator) and cannot be "
            "reached from here; run the command from a prompt with the same rights\n"};
}

CommandAnswer SilentUtilityAnswer() {
    return {kCommandNoAnswer, "", "DimoraDdcci: the running utility does not answer\n"};
}

CommandAnswer AloneTurnTimedOutAnswer() {
    return {kCommandNoAnswer, "", "DimoraDdcci: another command kept the monitors too long\n"};
}
