// /get and /set: the colour adjustment dialog's sliders (opened, one slider moved, OK) and the
// sound page's volume (shown, the slider moved, hidden), with values in the units their value
// boxes show.
#include "utility/command/command_line.h"
#include "utility/command/command_views.h"
#include "utility/command/command_work.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/color_sub_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace command {

namespace {

struct ColorFeature {
    ColorSlider slider;
    std::uint16_t page; // 0 for the standard codes
    std::uint8_t code;
};

ColorFeature FeatureOfControl(CommandControl control) {
    switch (control) {
    case CommandControl::Contrast:
        return {ColorSlider::Contrast, kStandardPage, kContrastCode};
    case CommandControl::Temperature:
        return {ColorSlider::Temperature, kColorPage, kTemperatureCode};
    case CommandControl::Gamma:
        return {ColorSlider::Gamma, kColorPage, kGammaCode};
    case CommandControl::Red:
        return {ColorSlider::Red, kStandardPage, kRedCode};
    case CommandControl::Green:
        return {ColorSlider::Green, kStandardPage, kGreenCode};
    case CommandControl::Blue:
        return {ColorSlider::Blue, kStandardPage, kBlueCode};
    default:
        return {ColorSlider::Brightness, kStandardPage, kBrightnessCode};
    }
}

bool Declares(const CMonitorStatus& monitor, const ColorFeature& feature, std::int32_t value) {
    return feature.page == kStandardPage
               ? Contains(monitor.capabilityCodes, feature.code, value)
               : Contains(monitor.vendorPages, VendorKey{feature.page, feature.code}, value);
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "raw:N": the monitor's own number.
std::optional<long> RawValue(const std::string& typed) {
    if (Lower(typed.substr(0, 4)) != "raw:" || typed.size() == 4)
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(typed.c_str() + 4, &end, 10);
    return *end == '\0' ? std::optional<long>(value) : std::nullopt;
}

// A number as the value boxes show them, with or without their unit ("64", "64%", "6500K").
std::optional<double> NumberIn(std::string text) {
    if (!text.empty() && (text.back() == '%' || text.back() == 'K' || text.back() == 'k'))
        text.pop_back();
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' ? std::optional<double>(value) : std::nullopt;
}

bool SameValue(const std::string& shown, const std::string& typed) {
    if (shown.empty())
        return false;
    if (Lower(shown) == Lower(typed))
        return true;
    const auto a = NumberIn(shown);
    const auto b = NumberIn(typed);
    return a && b && std::fabs(*a - *b) < 1e-9;
}

// The slider position that stands for what was typed; the first one that shows it.
std::optional<int> PositionFor(const ColorSubModel& dialog, ColorSlider slider,
                               const std::string& typed) {
    const SliderState& range = dialog.Slider(slider);
    const auto raw = RawValue(typed);
    for (int p = range.minimum; p <= range.maximum; ++p) {
        if (raw ? dialog.PositionValue(slider, p) == *raw
                : SameValue(dialog.PositionText(slider, p), typed))
            return p;
    }
    return std::nullopt;
}

// The slider position a step from the value shown leads to: the value box's number plus `step`,
// held to the numbers the slider's ends show. Where no position shows that number, the next one
// in the step's direction is taken; the first position that shows it wins, as for a value. The
// numbers grow with the position.
std::optional<int> PositionAfterStep(const ColorSubModel& dialog, ColorSlider slider, int step) {
    const SliderState& range = dialog.Slider(slider);
    const auto now = NumberIn(dialog.PositionText(slider, range.position));
    if (!now)
        return std::nullopt;
    const double wanted = *now + step;
    std::optional<double> last;  // the number of the run of positions seen last
    std::optional<int> runStart; // the first position of that run
    std::optional<int> first;    // the first position that shows a number
    std::optional<int> below;    // going down: the last run that does not pass `wanted`
    for (int p = range.minimum; p <= range.maximum; ++p) {
        const auto shown = NumberIn(dialog.PositionText(slider, p));
        if (!shown || (last && *shown == *last))
            continue;
        last = shown;
        runStart = p;
        first = first ? first : p;
        if (step >= 0 && *shown >= wanted)
            return p;
        if (step < 0 && *shown <= wanted)
            below = p;
    }
    return step >= 0 ? runStart : below ? below : first;
}

// The colour adjustment dialog, open on the monitor being worked on for the life of the object.
struct OpenColorDialog {
    OpenColorDialog(CommandContext& context, CurrentMonitor& monitor)
        : monitors(context.monitors), dialog(window, monitor, snapshot, monitors, shell) {
        // As the colour page does around the dialog: the rescan waits meanwhile.
        monitors.adjustmentBusy = 1;
        dialog.Initialise(nullptr);
        dialog.Open();
    }
    ~OpenColorDialog() { dialog.Close(); }
    OpenColorDialog(const OpenColorDialog&) = delete;
    OpenColorDialog& operator=(const OpenColorDialog&) = delete;

    bool Refused() const { return !window.results.empty(); }
    // "64 (raw:64 of 100)", "6500K (raw:6)": what the value box shows, and the register.
    std::string Shown(ColorSlider slider) {
        const color_sub::Feature feature = color_sub::FeatureOf(snapshot, slider);
        std::string raw = "raw:" + std::to_string(feature.current);
        if (slider != ColorSlider::Temperature && slider != ColorSlider::Gamma)
            raw += " of " + std::to_string(feature.maximum);
        return window.At(slider).text + " (" + raw + ")";
    }

    CMonitorStatusAll& monitors;
    ColorDialogWindow window;
    CMonitorColor snapshot;
    ShellState shell; // the dialog's window handle goes nowhere: there is no window
    ColorSubModel dialog;
};

// The outcome of one /get or /set on the dialog, reported once the dialog has closed.
struct Outcome {
    int status = kCommandDone;
    std::string text;
    // The monitor turned the dialog away or did not take the write: the owner register says why,
    // `text` (when not empty) being the reason when it is free.
    bool refused = false;
    CommandRefusal why = CommandRefusal::None;
    // The value box's number afterwards and the numbers at the slider's ends.
    std::optional<std::array<int, 3>> value = std::nullopt;
};

// The numbers `dialog` shows for `slider` now and at its ends.
std::optional<std::array<int, 3>> NumbersShown(const ColorSubModel& dialog, ColorSlider slider) {
    const SliderState& range = dialog.Slider(slider);
    const auto value = NumberIn(dialog.PositionText(slider, range.position));
    const auto minimum = NumberIn(dialog.PositionText(slider, range.minimum));
    const auto maximum = NumberIn(dialog.PositionText(slider, range.maximum));
    if (!value || !minimum || !maximum)
        return std::nullopt;
    return std::array<int, 3>{static_cast<int>(*value), static_cast<int>(*minimum),
                              static_cast<int>(*maximum)};
}

Outcome UseColorDialog(CommandContext& context, const CommandRequest& request,
                       CurrentMonitor& monitor) {
    const ColorFeature feature = FeatureOfControl(request.control);
    const std::string name(ControlName(request.control));
    OpenColorDialog open(context, monitor);
    if (open.Refused())
        return {kCommandRefused, "", true};
    if (!open.snapshot.modeRead)
        return {kCommandNoAnswer, "the monitor did not answer for its picture mode"};
    if (!color_sub::FeatureOf(open.snapshot, feature.slider).read)
        return Declares(monitor.Status(), feature, kAnyValue)
                   ? Outcome{kCommandNoAnswer, "the monitor did not answer for the " + name}
                   : Outcome{kCommandNotOffered, "the monitor has no " + name};
    const bool changeable = open.window.At(feature.slider).enabled;
    const std::string mode = "mode " + ModeText(open.snapshot.modeCurrent);
    if (request.verb == CommandVerb::Get)
        return {kCommandDone,
                name + " " + open.Shown(feature.slider) +
                    (changeable ? "" : "; " + mode + " does not let it change"),
                false, CommandRefusal::None, NumbersShown(open.dialog, feature.slider)};
    if (!changeable)
        return {kCommandRefused, mode + " does not let the " + name + " change", false,
                CommandRefusal::ModeForbids};
    const auto step = RelativeStep(request.value);
    const auto position = step ? PositionAfterStep(open.dialog, feature.slider, *step)
                               : PositionFor(open.dialog, feature.slider, request.value);
    const SliderState& range = open.dialog.Slider(feature.slider);
    if (!position)
        return {kCommandRefused,
                name + " " + request.value + " is out of range; the monitor offers " +
                    open.dialog.PositionText(feature.slider, range.minimum) + " to " +
                    open.dialog.PositionText(feature.slider, range.maximum)};
    if (!Declares(monitor.Status(), feature, open.dialog.PositionValue(feature.slider, *position)))
        return {kCommandRefused, "the monitor does not take " + name + " " + request.value};
    open.dialog.SliderMoved(feature.slider, *position);
    if (open.dialog.Slider(feature.slider).position != *position)
        return {kCommandRefused, "the monitor did not take " + name + " " + request.value, true};
    open.dialog.Ok();
    return {kCommandDone, name + " " + open.Shown(feature.slider), false, CommandRefusal::None,
            NumbersShown(open.dialog, feature.slider)};
}

Outcome UseSoundPage(CommandContext& context, const CommandRequest& request,
                     CurrentMonitor& monitor) {
    SoundPageWindow window;
    SoundPageModel page(window, monitor, context.monitors, context.strings);
    page.Refresh();
    if (!(monitor.Status().information.audioFlags & kAudioVolume))
        return {kCommandNotOffered, "the monitor has no volume"};
    if (!page.Enabled())
        return {kCommandRefused, "", true};
    if (!page.VolumeRead())
        return {kCommandNoAnswer, "the monitor did not answer for the volume"};
    auto shown = [&] {
        return "volume " + window.text + " (raw:" + window.text + " of " +
               std::to_string(window.maximum) + ")";
    };
    const auto numbers = [&] {
        const auto value = NumberIn(window.text);
        return std::optional<std::array<int, 3>>(
            {static_cast<int>(value.value_or(0)), 0, window.maximum});
    };
    if (request.verb == CommandVerb::Get)
        return {kCommandDone, shown(), false, CommandRefusal::None, numbers()};
    const auto raw = RawValue(request.value);
    const auto number = NumberIn(request.value);
    const auto step = RelativeStep(request.value);
    const double wanted = step  ? std::clamp(window.position + *step, 0, window.maximum)
                          : raw ? static_cast<double>(*raw)
                                : number.value_or(-1);
    if (wanted < 0 || wanted > window.maximum || wanted != std::floor(wanted))
        return {kCommandRefused, "volume " + request.value +
                                     " is out of range; the monitor offers 0 to " +
                                     std::to_string(window.maximum)};
    const int position = static_cast<int>(wanted);
    page.VolumeMoved(position);
    if (window.text != std::to_string(position))
        return {kCommandRefused, "the monitor did not take volume " + request.value, true};
    // Leaving the page tells the monitor to keep its sound settings.
    page.PageHidden();
    return {kCommandDone, shown(), false, CommandRefusal::None, numbers()};
}

} // namespace

void AccessSetting(CommandContext& context, const CommandRequest& request, Report& report) {
    ForEachTarget(context, request, report, [&](CurrentMonitor& monitor, const std::string& label) {
        const Outcome outcome = request.control == CommandControl::Volume
                                    ? UseSoundPage(context, request, monitor)
                                    : UseColorDialog(context, request, monitor);
        if (outcome.refused && !outcome.text.empty())
            ReportRefusal(context, monitor, label, report, outcome.text);
        else if (outcome.refused)
            ReportRefusal(context, monitor, label, report);
        else if (outcome.status == kCommandDone)
            report.Line(label + ": " + outcome.text);
        else
            report.Fail(outcome.status, label + ": " + outcome.text, outcome.why);
        if (outcome.value && outcome.status == kCommandDone) {
            MonitorOutcome& seen = *report.Outcome();
            seen.hasValue = true;
            seen.value = (*outcome.value)[0];
            seen.minimum = (*outcome.value)[1];
            seen.maximum = (*outcome.value)[2];
        }
        if (request.verb == CommandVerb::Set && outcome.status == kCommandDone)
            report.MonitorChanged();
    });
}

} // namespace command
