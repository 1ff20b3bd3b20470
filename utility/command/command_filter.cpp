// /filter: the EyeCare Filter dialog opened, a picture chosen (none, a default picture or a file),
// its transmittance and luminance set, and OK.
#include "utility/command/command_views.h"
#include "utility/command/command_work.h"
#include "utility/eyecare/filter_rules.h"

namespace command {

namespace {

std::string Describe(const FilterSettings& filter, int picture) {
    if (!filter.on)
        return "off";
    const std::string what = picture > 0 ? "picture " + std::to_string(picture) + " (" : "file (";
    return what + filter.filePath + "), transmittance " +
           std::to_string(PercentFromAlpha(filter.alpha)) + "%, luminance " +
           std::to_string(filter.luminance);
}

// Chooses the request's picture in the open dialog; false, with the dialog's preview taken back,
// when there is no such picture or it cannot be read.
bool ChoosePicture(VSFilterModel& dialog, FilterDialogWindow& window, const CommandRequest& request,
                   Report& report) {
    const int pictures = static_cast<int>(dialog.Images().size());
    if (request.filterOff) {
        dialog.ImageSelected(0);
        return true;
    }
    if (request.picture > pictures) {
        report.Fail(kCommandNotOffered, "filter: there is no default picture " +
                                            std::to_string(request.picture) + " (there are " +
                                            std::to_string(pictures) + ")");
        return false;
    }
    if (request.picture > 0) {
        dialog.ImageSelected(request.picture);
    } else {
        // "Select File", then the file as if the user had browsed to it.
        dialog.ImageSelected(pictures + 1);
        window.file = request.pictureFile;
        dialog.Browse();
    }
    if (window.warnings.empty() && dialog.Working().on && !dialog.Working().filePath.empty())
        return true;
    dialog.Restore();
    report.Fail(kCommandNotOffered, "filter: the picture " +
                                        (request.picture > 0 ? std::to_string(request.picture)
                                                             : "file " + request.pictureFile) +
                                        " cannot be read");
    return false;
}

// A network (\\host\share) or device (\\.\, \\?\) path: Windows takes either separator.
bool NetworkOrDevicePath(const std::string& path) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    return path.size() >= 2 && separator(path[0]) && separator(path[1]);
}

} // namespace

void ApplyFilter(CommandContext& context, const CommandRequest& request, Report& report) {
    if (context.shell.m_filterDialogOpen) {
        report.Fail(kCommandRefused, "the EyeCare Filter dialog is open: close it first");
        return;
    }
    // A command may come from any program of the session: the utility opens no network path
    // with the user's credentials, nor a device, for it.
    if (NetworkOrDevicePath(request.pictureFile)) {
        report.Fail(kCommandRefused,
                    "filter: network and device paths are not taken (" + request.pictureFile + ")");
        return;
    }
    FilterTarget& target = context.filter;
    FilterDialogWindow window;
    VSFilterModel dialog(window, context.registry, target.sources, target.applied, target.filter);
    dialog.Open();
    if (!ChoosePicture(dialog, window, request, report))
        return;
    if (request.transmittance)
        dialog.AlphaSlider(*request.transmittance);
    if (request.luminance)
        dialog.LuminanceSlider(SliderFromLuminance(*request.luminance));
    if (!dialog.Save()) {
        report.Fail(kCommandRefused, "filter: the settings could not be stored");
        return;
    }
    report.Line("filter: " + Describe(target.applied, request.picture) +
                (target.shown || !target.applied.on
                     ? ""
                     : " (stored: the utility shows it when it starts)"));
}

} // namespace command
