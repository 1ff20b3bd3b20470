// What the command files share: the answer being written, the monitors a command works on, and
// each command's procedure.
#pragma once

#include "utility/command/command_runner.h"
#include "utility/monitor/current_monitor.h"

#include <algorithm>
#include <functional>
#include <string>

namespace command {

class Report {
  public:
    explicit Report(CommandAnswer& answer) : m_answer(answer) {}

    void Line(const std::string& text) { m_answer.text += text + '\n'; }
    // Text of several lines, each ended by '\n'.
    void Text(const std::string& text) { m_answer.text += text; }
    // A line saying what went wrong; the status is the worst any monitor met. `why` defaults to
    // what the status says.
    void Fail(int status, const std::string& text, CommandRefusal why = CommandRefusal::None) {
        m_answer.errors += text + '\n';
        m_answer.status = std::max(m_answer.status, status);
        if (why == CommandRefusal::None)
            why = status == kCommandNotOffered ? CommandRefusal::NotOffered
                  : status == kCommandNoAnswer ? CommandRefusal::NoAnswer
                                               : CommandRefusal::NotTaken;
        if (MonitorOutcome* outcome = Outcome()) {
            outcome->status = std::max(outcome->status, status);
            outcome->refusal = outcome->refusal == CommandRefusal::None ? why : outcome->refusal;
        } else if (m_answer.refusal == CommandRefusal::None) {
            m_answer.refusal = why;
        }
    }
    void MonitorChanged() { m_answer.monitorChanged = true; }
    // The work on monitor `index` of the list starts.
    void Begin(int index) {
        m_answer.outcomes.push_back({});
        m_answer.outcomes.back().index = index;
        m_inMonitor = true;
    }
    void End() { m_inMonitor = false; }
    // The monitor now being worked on, while there is one.
    MonitorOutcome* Outcome() { return m_inMonitor ? &m_answer.outcomes.back() : nullptr; }

  private:
    CommandAnswer& m_answer;
    bool m_inMonitor = false;
};

// The work on one monitor, which is the current monitor meanwhile; `label` starts its lines.
using MonitorWork = std::function<void(CurrentMonitor& monitor, const std::string& label)>;

// Runs `work` on each monitor the request names, each made current for its work; the monitor
// that was current before is current again afterwards. A label that names no monitor, or no
// monitor at all, is reported (not offered).
void ForEachTarget(CommandContext& context, const CommandRequest& request, Report& report,
                   const MonitorWork& work);

inline constexpr char kNotPermittedNow[] = "the monitor does not permit adjustment now";

// Reports why the monitor turned a page away or did not take a write, from one more read of its
// owner register: it did not answer (4), another program works on it (3), or `otherwise` (3).
void ReportRefusal(CommandContext& context, CurrentMonitor& monitor, const std::string& label,
                   Report& report, const std::string& otherwise = kNotPermittedNow);

// "2 (Movie)": a mode's number and English name.
std::string ModeText(int mode);

void ListMonitors(CommandContext& context, Report& report);
void SwitchMode(CommandContext& context, const CommandRequest& request, Report& report);
void RestoreData(CommandContext& context, const CommandRequest& request, Report& report);
// /get and /set.
void AccessSetting(CommandContext& context, const CommandRequest& request, Report& report);
void ApplyFilter(CommandContext& context, const CommandRequest& request, Report& report);

} // namespace command
