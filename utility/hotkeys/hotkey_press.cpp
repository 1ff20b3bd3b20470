#include "utility/hotkeys/hotkey_press.h"

#include "utility/eyecare/filter_rules.h"

#include <algorithm>
#include <cstdio>

namespace {

struct ActionRule {
    CommandVerb verb;
    CommandControl control;
    int direction; // +1 up or next, -1 down or previous, 0 the filter's toggle
    std::uint32_t nameId;
};

constexpr ActionRule kRules[kHotkeyActionCount] = {
    {CommandVerb::Set, CommandControl::Brightness, +1, IDS_HOTKEY_BRIGHTNESS},
    {CommandVerb::Set, CommandControl::Brightness, -1, IDS_HOTKEY_BRIGHTNESS},
    {CommandVerb::Set, CommandControl::Contrast, +1, IDS_HOTKEY_CONTRAST},
    {CommandVerb::Set, CommandControl::Contrast, -1, IDS_HOTKEY_CONTRAST},
    {CommandVerb::Set, CommandControl::Volume, +1, IDS_HOTKEY_VOLUME},
    {CommandVerb::Set, CommandControl::Volume, -1, IDS_HOTKEY_VOLUME},
    {CommandVerb::Mode, CommandControl::Brightness, +1, IDS_HOTKEY_MODE},
    {CommandVerb::Mode, CommandControl::Brightness, -1, IDS_HOTKEY_MODE},
    {CommandVerb::Filter, CommandControl::Brightness, 0, IDS_HOTKEY_FILTER},
};

const ActionRule& RuleOf(HotkeyAction action) {
    return kRules[static_cast<std::size_t>(action)];
}

// The monitor of the list a key works on when it works on one: the first on the display device
// under the pointer, or the current one; -1 for none.
int ChosenMonitor(const HotkeySettings& settings, const std::string& pointerDevice,
                  const CMonitorStatusAll& monitors) {
    if (settings.monitors == HotkeyMonitors::Current)
        return monitors.HasCurrent() ? monitors.currentIndex : -1;
    for (std::size_t i = 0; i < monitors.monitors.size(); ++i) {
        if (MonitorHasDeviceName(pointerDevice, *monitors.monitors[i]))
            return static_cast<int>(i);
    }
    return -1;
}

std::string Refusal(const StringTable& strings, std::uint32_t whyId) {
    return strings.Load(IDS_HOTKEY_REFUSED) + strings.Load(whyId);
}

std::uint32_t ReasonId(CommandRefusal refusal) {
    const int offset = static_cast<int>(refusal) - static_cast<int>(CommandRefusal::NotOffered);
    return static_cast<std::uint32_t>(IDS_HOTKEY_WHY_NOT_OFFERED + std::max(offset, 0));
}

// The outcome the value shows: the chosen monitor's, or the first monitor's.
const MonitorOutcome* ShownOutcome(const CommandAnswer& answer, int chosen) {
    for (const MonitorOutcome& outcome : answer.outcomes) {
        if (outcome.index == chosen)
            return &outcome;
    }
    return answer.outcomes.empty() ? nullptr : &answer.outcomes.front();
}

void Describe(const CommandAnswer& answer, const MonitorOutcome* outcome,
              const CommandContext& context, OnScreenValue& value) {
    if (!outcome || outcome->status != kCommandDone) {
        const CommandRefusal why = outcome ? outcome->refusal : answer.refusal;
        value.refused = true;
        value.text = Refusal(context.strings, ReasonId(why));
    } else if (outcome->hasValue) {
        value.hasValue = true;
        value.value = outcome->value;
        value.minimum = outcome->minimum;
        value.maximum = outcome->maximum;
    } else {
        value.text = outcome->modeName;
    }
}

} // namespace

bool HotkeyRequest(HotkeyAction action, int presses, const HotkeySettings& settings,
                   const FilterSettings& applied, RegistryPort& registry, CommandRequest& request) {
    const ActionRule& rule = RuleOf(action);
    request = CommandRequest{};
    request.verb = rule.verb;
    request.control = rule.control;
    if (rule.verb == CommandVerb::Set) {
        const int step = rule.direction * settings.step * presses;
        char value[16];
        std::snprintf(value, sizeof value, "%+d", step); // "+10", "-30"
        request.value = value;
    } else if (rule.verb == CommandVerb::Mode) {
        request.modeStep = rule.direction * presses;
    } else if (presses % 2 == 0) {
        return false;
    } else if (applied.on) {
        request.filterOff = true;
    } else {
        FilterSettings kept;
        if (LoadToggledFilter(registry, kept)) {
            request.pictureFile = kept.filePath;
            request.transmittance = PercentFromAlpha(kept.alpha);
            request.luminance = kept.luminance;
        } else {
            request.picture = 1; // the first default picture, with its stored values
        }
    }
    return true;
}

HotkeyResult PressHotkey(HotkeyAction action, int presses, const HotkeySettings& settings,
                         const std::string& pointerDevice, CommandContext& context) {
    const ActionRule& rule = RuleOf(action);
    const CMonitorStatusAll& monitors = context.monitors;
    HotkeyResult result;
    result.value.control = context.strings.Load(rule.nameId);
    result.device = pointerDevice;
    const int chosen = ChosenMonitor(settings, pointerDevice, monitors);
    if (chosen >= 0)
        result.device = monitors.monitors[static_cast<std::size_t>(chosen)]->deviceName;

    const FilterSettings before = context.filter.applied;
    CommandRequest request;
    if (!HotkeyRequest(action, presses, settings, before, context.registry, request)) {
        result.value.text = context.strings.Load(before.on ? IDS_HOTKEY_ON : IDS_HOTKEY_OFF);
        return result;
    }
    if (rule.verb == CommandVerb::Filter) {
        // Taken away, it is kept for the next press to show again.
        if (before.on)
            SaveToggledFilter(context.registry, before);
        const CommandAnswer answer = RunCommand(request, context);
        result.value.refused = answer.status != kCommandDone;
        result.value.text =
            result.value.refused
                ? Refusal(context.strings, ReasonId(answer.refusal))
                : context.strings.Load(context.filter.applied.on ? IDS_HOTKEY_ON : IDS_HOTKEY_OFF);
        return result;
    }
    if (settings.monitors == HotkeyMonitors::Every) {
        request.target = MonitorTarget::All;
    } else if (chosen < 0) {
        result.value.refused = true;
        result.value.text = Refusal(context.strings, settings.monitors == HotkeyMonitors::Current
                                                         ? ReasonId(CommandRefusal::NotOffered)
                                                         : IDS_HOTKEY_WHY_NO_MONITOR);
        return result;
    } else {
        request.target = MonitorTarget::Label;
        request.label = monitors.monitors[static_cast<std::size_t>(chosen)]->displayLabel;
    }
    const CommandAnswer answer = RunCommand(request, context);
    result.monitorChanged = answer.monitorChanged;
    const MonitorOutcome* outcome = ShownOutcome(answer, chosen);
    if (outcome && outcome->index >= 0) {
        const CMonitorStatus& shown = *monitors.monitors[static_cast<std::size_t>(outcome->index)];
        result.value.monitor = shown.displayLabel + "  " + shown.modelName;
        result.device = shown.deviceName;
    }
    Describe(answer, outcome, context, result.value);
    return result;
}
