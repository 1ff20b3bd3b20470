// /filter: the EyeCare Filter dialog opened, a picture chosen (none, a default picture or a file),
// its transmittance and luminance set, and OK.
#include "utility/command/command_views.h"
#include "utility/command/command_work.h"
#include "utility/eyecare/filter_rules.h"
#include "utility/text/text_case.h"

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

// The default picture (1-based) that `path` names in the data folder, 0 for none: such a path is
// chosen as the dialog's list entry, with that picture's stored values.
int DefaultPictureAt(const CommandContext& context, const VSFilterModel& dialog,
                     const std::string& path) {
    const std::string& folder = context.filter.sources.dataFolder;
    const auto& images = dialog.Images();
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (EqualIgnoringCase(path, folder + images[i].fileName, context.codePage))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// Chooses the request's picture in the open dialog; false, with the dialog's preview taken back,
// when there is no such picture or it cannot be read.
bool ChoosePicture(const CommandContext& context, VSFilterModel& dialog, FilterDialogWindow& window,
                   CommandRequest request, Report& report) {
    const int pictures = static_cast<int>(dialog.Images().size());
    if (request.filterOff) {
        dialog.ImageSelected(0);
        return true;
    }
    if (request.picture == 0 &&
        (request.picture = DefaultPictureAt(context, dialog, request.pictureFile)) > 0)
        request.pictureFile.clear();
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
    if (!ChoosePicture(context, dialog, window, request, report))
        return;
    if (request.transmittance)
        dialog.AlphaSlider(*request.transmittance);
    if (request.luminance)
        dialog.LuminanceSlider(SliderFromLuminance(*request.luminance));
    if (!dialog.Save()) {
        report.Fail(kCommandRefused, "filter: the settings could not be stored");
        return;
    }
    const int picture = target.applied.fileType == kFilterTypeDefault
                            ? DefaultPictureAt(context, dialog, target.applied.filePath)
                            : 0;
    report.Line("filter: " + Describe(target.applied, picture) +
                (target.shown || !target.applied.on
                     ? ""
                     : " (stored: the utility shows it when it starts)"));
}

} // namespace command
