#include "utility/command/command_runner.h"

#include "utility/command/command_line.h"
#include "utility/command/command_work.h"
#include "utility/monitor/picture_mode_names.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/monitor/write_pauses.h"
#include "utility/text/printable_text.h"

#include <vector>

namespace command {

namespace {

// The owner register carries 16 bits.
constexpr std::uint32_t kOwnerBits = 0xFFFF;

// Makes monitor `index` current for the life of the object.
class CurrentForWork {
  public:
    CurrentForWork(CMonitorStatusAll& monitors, int index)
        : m_monitors(monitors), m_previous(monitors.currentIndex) {
        m_monitors.SelectByIndex(index);
    }
    ~CurrentForWork() {
        if (m_previous >= 0) {
            m_monitors.SelectByIndex(m_previous);
        } else {
            m_monitors.currentIndex = -1;
            m_monitors.currentHandle = nullptr;
        }
    }
    CurrentForWork(const CurrentForWork&) = delete;
    CurrentForWork& operator=(const CurrentForWork&) = delete;

  private:
    CMonitorStatusAll& m_monitors;
    int m_previous;
};

std::string Labels(const CMonitorStatusAll& monitors) {
    std::string labels;
    for (const auto& monitor : monitors.monitors)
        labels += (labels.empty() ? "" : ", ") + monitor->displayLabel;
    return labels;
}

std::vector<int> Targets(const CommandContext& context, const CommandRequest& request,
                         Report& report) {
    const CMonitorStatusAll& monitors = context.monitors;
    std::vector<int> targets;
    for (int i = 0; i < static_cast<int>(monitors.monitors.size()); ++i) {
        const std::string& label = monitors.monitors[static_cast<std::size_t>(i)]->displayLabel;
        if (request.target == MonitorTarget::All ||
            (request.target == MonitorTarget::Label && label == request.label) ||
            (request.target == MonitorTarget::Current && i == monitors.currentIndex))
            targets.push_back(i);
        if (!targets.empty() && request.target != MonitorTarget::All)
            break;
    }
    if (monitors.monitors.empty())
        report.Fail(kCommandNotOffered, "no monitor can be controlled");
    else if (targets.empty() && request.target == MonitorTarget::Label)
        report.Fail(kCommandNotOffered, "no monitor is labelled " + request.label +
                                            " (monitors: " + Labels(monitors) + ")");
    else if (targets.empty())
        report.Fail(kCommandNotOffered, "no monitor is chosen");
    return targets;
}

void Dispatch(CommandContext& context, const CommandRequest& request, Report& report) {
    const bool monitorWork = request.verb == CommandVerb::Mode ||
                             request.verb == CommandVerb::Get || request.verb == CommandVerb::Set ||
                             request.verb == CommandVerb::Restore;
    // The dialog works on its own copy of the monitor's values, and the rescan waits for it.
    if (monitorWork && context.monitors.adjustmentBusy) {
        report.Fail(kCommandRefused, "the Color Adjustment dialog is open: close it first",
                    CommandRefusal::DialogOpen);
        return;
    }
    switch (request.verb) {
    case CommandVerb::Help:
        report.Text(CommandUsage());
        break;
    case CommandVerb::List:
        ListMonitors(context, report);
        break;
    case CommandVerb::Mode:
        SwitchMode(context, request, report);
        break;
    case CommandVerb::Get:
    case CommandVerb::Set:
        AccessSetting(context, request, report);
        break;
    case CommandVerb::Restore:
        RestoreData(context, request, report);
        break;
    case CommandVerb::Filter:
        ApplyFilter(context, request, report);
        break;
    }
}

} // namespace

void ForEachTarget(CommandContext& context, const CommandRequest& request, Report& report,
                   const MonitorWork& work) {
    for (int index : Targets(context, request, report)) {
        CurrentForWork current(context.monitors, index);
        CurrentMonitor monitor(context.ctrl, context.monitors);
        report.Begin(index);
        work(monitor, monitor.Status().displayLabel);
        report.End();
    }
}

void ReportRefusal(CommandContext& context, CurrentMonitor& monitor, const std::string& label,
                   Report& report, const std::string& otherwise) {
    std::uint32_t owner = 0;
    std::uint32_t maximum = 0;
    if (!context.ctrl.ReadFeature(monitor.Status(), kStandardPage, kOwnerRegister, &owner, &maximum,
                                  PageSelect::Write, Retry::No)) {
        report.Fail(kCommandNoAnswer, label + ": the monitor did not answer");
    } else if ((owner & kOwnerBits) != 0 && !context.ctrl.IsOwnerFree(owner)) {
        report.Fail(kCommandRefused, label + ": another program is working on the monitor",
                    CommandRefusal::OtherProgram);
    } else {
        report.Fail(kCommandRefused, label + ": " + otherwise,
                    otherwise == kNotPermittedNow ? CommandRefusal::NotPermitted
                                                  : CommandRefusal::NotTaken);
    }
}

std::string ModeText(int mode) {
    const std::string_view name = ShortModeName(mode);
    return std::to_string(mode) + (name.empty() ? "" : " (" + std::string(name) + ")");
}

void ListMonitors(CommandContext& context, Report& report) {
    CommandRequest every;
    every.target = MonitorTarget::All;
    const CMonitorStatus* current =
        context.monitors.HasCurrent() ? &context.monitors.Current() : nullptr;
    ForEachTarget(context, every, report, [&](CurrentMonitor& monitor, const std::string& label) {
        const CMonitorStatus& status = monitor.Status();
        const bool isCurrent = &status == current;
        std::string line = label + " model=" + PrintableText(status.modelName) +
                           " serial=" + PrintableText(status.serialNumber);
        std::uint32_t mode = 0;
        std::uint32_t maximum = 0;
        // The colour page's own reading of the mode, in its bracket.
        monitor.TakeOwnership(Retry::Yes);
        const bool read = monitor.ReadFeature(kColorPage, kModeCode, &mode, &maximum,
                                              PageSelect::Write, Retry::Yes);
        monitor.ReleaseOwnership();
        line += read ? " mode=" + ModeText(static_cast<int>(mode)) : " mode=?";
        line += isCurrent ? " current" : "";
        if (read)
            report.Line(line);
        else
            ReportRefusal(context, monitor, line, report, "the monitor did not give its mode");
    });
}

} // namespace command

CommandAnswer RunCommand(const CommandRequest& request, CommandContext& context) {
    CommandAnswer answer;
    command::Report report(answer);
    command::Dispatch(context, request, report);
    return answer;
}

CommandAnswer BusyAnswer() {
    CommandAnswer answer;
    answer.status = kCommandNoAnswer;
    answer.errors = "DimoraDdcci: the utility is busy (another command runs, or a question is "
                    "open); try again\n";
    return answer;
}

CommandAnswer CommandLineError(const std::string& error) {
    CommandAnswer answer;
    answer.status = kCommandUsage;
    answer.errors = "DimoraDdcci: " + error + "\n(DimoraDdcci.exe /help lists the commands)\n";
    return answer;
}

CommandAnswer RunCommand(const std::vector<std::string>& args, CommandContext& context) {
    CommandRequest request;
    std::string error;
    if (!ParseCommandLine(args, request, error))
        return CommandLineError(error);
    return RunCommand(request, context);
}
