// /mode and /restore: the colour page's mode list and its Restore, as the user would use them
// once the page shows the monitor.
#include "utility/command/command_views.h"
#include "utility/command/command_work.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"

#include <algorithm>
#include <vector>

namespace command {

namespace {

// The message the page shows for data of another model.
constexpr std::uint32_t kOtherModelId = 181;

// The monitor lists the mode in its picture-mode mask and takes it as a value of the mode code.
bool Offers(const CMonitorStatus& monitor, int mode) {
    return (monitor.information.pictureModeMask >> mode & 1) &&
           Contains(monitor.vendorPages, VendorKey{kColorPage, kModeCode}, mode);
}

std::string OfferedModes(const CMonitorStatus& monitor) {
    std::string modes;
    for (int mode = 0; mode < 64; ++mode) {
        if (Offers(monitor, mode))
            modes += (modes.empty() ? "" : ", ") + ModeText(mode);
    }
    return modes.empty() ? "none" : modes;
}

// The item `step` items on from item `at` of the page's mode list, among the modes the monitor
// offers, wrapping; `at` itself when it is the only one.
int StepAmongOffered(const CMonitorStatus& monitor, const std::vector<ModeItem>& modes, int at,
                     int step) {
    std::vector<int> offered;
    int from = 0;
    for (std::size_t i = 0; i < modes.size(); ++i) {
        if (static_cast<int>(i) == at)
            from = static_cast<int>(offered.size());
        if (static_cast<int>(i) == at || Offers(monitor, modes[i].mode))
            offered.push_back(static_cast<int>(i));
    }
    const int count = static_cast<int>(offered.size());
    return offered[static_cast<std::size_t>(((from + step) % count + count) % count)];
}

// The colour page over the monitor being worked on, shown (filled and checked) as a user finds
// it before picking anything.
struct ShownColorPage {
    ShownColorPage(CommandContext& context, CurrentMonitor& monitor)
        : page(window, monitor, context.monitors, context.registry, context.strings,
               context.codePage, snapshot, quiet) {
        page.Refresh();
    }
    // The mode the page read from the monitor last, -1 when the read failed.
    int ModeRead() const { return snapshot.modeRead ? snapshot.modeCurrent : -1; }

    ColorPageWindow window;
    CMonitorColor snapshot;
    // The window answers the page's questions without showing anything: no modal loop runs.
    ShellState quiet;
    ColorPageModel page;
};

} // namespace

void SwitchMode(CommandContext& context, const CommandRequest& request, Report& report) {
    ForEachTarget(context, request, report, [&](CurrentMonitor& monitor, const std::string& label) {
        if (request.modeStep == 0 && !Offers(monitor.Status(), request.mode)) {
            report.Fail(kCommandNotOffered, label + ": mode " + ModeText(request.mode) +
                                                " is not offered; the monitor offers " +
                                                OfferedModes(monitor.Status()));
            return;
        }
        ShownColorPage shown(context, monitor);
        if (!shown.page.Controls().modeList) {
            ReportRefusal(context, monitor, label, report);
            return;
        }
        const auto& modes = shown.window.modes;
        const auto item = std::find_if(modes.begin(), modes.end(), [&](const ModeItem& m) {
            return m.mode == (request.modeStep == 0 ? request.mode : shown.ModeRead());
        });
        if (request.modeStep != 0 && item == modes.end()) {
            report.Fail(kCommandNoAnswer, label + ": the monitor did not give its mode");
            return;
        }
        const int at = static_cast<int>(item - modes.begin());
        const int wanted = request.modeStep == 0
                               ? at
                               : StepAmongOffered(monitor.Status(), modes, at, request.modeStep);
        const int mode =
            request.modeStep == 0 ? request.mode : modes[static_cast<std::size_t>(wanted)].mode;
        if (wanted < static_cast<int>(modes.size()))
            report.Outcome()->modeName = modes[static_cast<std::size_t>(wanted)].name;
        if (wanted != at || request.modeStep == 0)
            shown.page.ModeChanged(wanted);
        // Read back, and another mode: the monitor acknowledged the write and ignored it.
        if (shown.ModeRead() >= 0 && shown.ModeRead() != mode) {
            report.Fail(kCommandRefused, label + ": the monitor kept mode " +
                                             ModeText(shown.ModeRead()) + ", not " +
                                             ModeText(mode));
            return;
        }
        report.MonitorChanged();
        report.Outcome()->mode = shown.ModeRead();
        if (shown.ModeRead() == mode)
            report.Line(label + ": mode " + ModeText(mode));
        else
            ReportRefusal(context, monitor, label, report,
                          "the monitor did not take mode " + ModeText(mode));
    });
}

void RestoreData(CommandContext& context, const CommandRequest& request, Report& report) {
    const CRegistry registry(context.registry);
    ForEachTarget(context, request, report, [&](CurrentMonitor& monitor, const std::string& label) {
        ShownColorPage shown(context, monitor);
        if (!shown.page.Enabled()) {
            ReportRefusal(context, monitor, label, report);
            return;
        }
        // A stored name is picked from the list; any other is typed, and the page decides
        // whether it names stored data.
        const auto& names = shown.window.names;
        const auto stored = std::find(names.begin(), names.end(), request.dataName);
        shown.window.box = {request.dataName,
                            stored == names.end() ? -1 : static_cast<int>(stored - names.begin())};
        if (stored != names.end())
            shown.page.DataNameSelected(shown.window.box.selected);
        else
            shown.page.DataNameEdited();
        AdjustmentRecord record;
        if (!shown.page.Controls().restoreButton ||
            !ReadAdjustmentRecord(registry, shown.window.box.text, record)) {
            report.Fail(kCommandNotOffered,
                        label + ": no adjustment data is called \"" + request.dataName + "\"");
            return;
        }
        const bool taken = shown.page.Restore();
        if (std::count(shown.window.warnings.begin(), shown.window.warnings.end(), kOtherModelId)) {
            report.Fail(kCommandRefused, label + ": \"" + request.dataName + "\" is data of a " +
                                             record.modelName + ", not of this monitor's model");
            return;
        }
        report.MonitorChanged();
        if (taken && shown.ModeRead() == static_cast<int>(record.mode))
            report.Line(label + ": restored \"" + shown.window.box.text + "\", mode " +
                        ModeText(shown.ModeRead()));
        else if (!monitor.IsAdjustmentPermitted())
            ReportRefusal(context, monitor, label, report);
        else
            ReportRefusal(context, monitor, label, report,
                          "the monitor did not take all of \"" + request.dataName + "\"");
    });
}

} // namespace command
