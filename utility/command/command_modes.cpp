// /mode and /restore: the colour page's mode list and its Restore, as the user would use them
// once the page shows the monitor.
#include "utility/command/command_views.h"
#include "utility/command/command_work.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"

#include <algorithm>

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
        if (!Offers(monitor.Status(), request.mode)) {
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
        const auto item = std::find_if(modes.begin(), modes.end(),
                                       [&](const ModeItem& m) { return m.mode == request.mode; });
        shown.page.ModeChanged(static_cast<int>(item - modes.begin()));
        // Read back, and another mode: the monitor acknowledged the write and ignored it.
        if (shown.ModeRead() >= 0 && shown.ModeRead() != request.mode) {
            report.Fail(kCommandRefused, label + ": the monitor kept mode " +
                                             ModeText(shown.ModeRead()) + ", not " +
                                             ModeText(request.mode));
            return;
        }
        report.MonitorChanged();
        if (shown.ModeRead() == request.mode)
            report.Line(label + ": mode " + ModeText(request.mode));
        else
            ReportRefusal(context, monitor, label, report,
                          "the monitor did not take mode " + ModeText(request.mode));
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
