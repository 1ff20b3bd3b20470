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
    // A line saying what went wrong; the status is the worst any monitor met.
    void Fail(int status, const std::string& text) {
        m_answer.errors += text + '\n';
        m_answer.status = std::max(m_answer.status, status);
    }
    void MonitorChanged() { m_answer.monitorChanged = true; }

  private:
    CommandAnswer& m_answer;
};

// The work on one monitor, which is the current monitor meanwhile; `label` starts its lines.
using MonitorWork = std::function<void(CurrentMonitor& monitor, const std::string& label)>;

// Runs `work` on each monitor the request names, each made current for its work; the monitor
// that was current before is current again afterwards. A label that names no monitor, or no
// monitor at all, is reported (not offered).
void ForEachTarget(CommandContext& context, const CommandRequest& request, Report& report,
                   const MonitorWork& work);

// Reports why the monitor turned a page away or did not take a write, from one more read of its
// owner register: it did not answer (4), another program works on it (3), or `otherwise` (3).
void ReportRefusal(CommandContext& context, CurrentMonitor& monitor, const std::string& label,
                   Report& report,
                   const std::string& otherwise = "the monitor does not permit adjustment now");

// "2 (Movie)": a mode's number and English name.
std::string ModeText(int mode);

void ListMonitors(CommandContext& context, Report& report);
void SwitchMode(CommandContext& context, const CommandRequest& request, Report& report);
void RestoreData(CommandContext& context, const CommandRequest& request, Report& report);
// /get and /set.
void AccessSetting(CommandContext& context, const CommandRequest& request, Report& report);
void ApplyFilter(CommandContext& context, const CommandRequest& request, Report& report);

} // namespace command
