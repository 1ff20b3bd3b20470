// The colour adjustment dialog at work: each slider movement written to the monitor at once,
// Reset, OK, Cancel writing the opening values back, and the dialog's end.
#include "utility/pages/color_sub_model.h"

#include "utility/monitor/picture_modes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/color_page_run.h"
#include "utility/pages/color_sub_rules.h"

#include <algorithm>

using namespace color_sub;

ColorSubModel::ColorSubModel(ColorSubView& view, CurrentMonitor& monitor, CMonitorColor& snapshot,
                             CMonitorStatusAll& monitors, ShellState& shell)
    : m_view(view), m_monitor(monitor), m_snapshot(snapshot), m_monitors(monitors), m_shell(shell) {
}

void ColorSubModel::SliderMoved(ColorSlider slider, int position) {
    WaitCursor wait(m_view);
    SliderState& state = m_sliders[Index(slider)];
    state.position = std::clamp(position, state.minimum, state.maximum);
    if (!m_monitor.Exists() || state.position == m_accepted[Index(slider)])
        return;
    switch (slider) {
    case ColorSlider::Temperature:
        MoveTemperature(state.position);
        break;
    case ColorSlider::Gamma:
        MoveGamma(state.position);
        break;
    default:
        MoveStandard(slider, state.position);
        break;
    }
}

void ColorSubModel::MoveTemperature(int position) {
    const int value = TemperatureValueAt(position);
    if (value < 0) {
        // The mask offers no temperature at all.
        PutBack(ColorSlider::Temperature);
        return;
    }
    m_monitor.TakeOwnership(Retry::Yes);
    if (m_monitor.WriteFeature(kColorPage, kTemperatureCode, static_cast<std::uint32_t>(value),
                               PageSelect::Write))
        Accept(ColorSlider::Temperature, position, value);
    else
        PutBack(ColorSlider::Temperature);
    m_monitor.ReleaseOwnership();
}

void ColorSubModel::MoveGamma(int position) {
    const auto [lowest, highest] = BitRange(m_monitor.Status().information.gammaMask & kGammaBits);
    SetRange(ColorSlider::Gamma, lowest, highest);
    position = std::clamp(position, lowest, highest);
    SetPosition(ColorSlider::Gamma, position);
    m_monitor.TakeOwnership(Retry::Yes);
    if (m_monitor.WriteFeature(kColorPage, kGammaCode, static_cast<std::uint32_t>(position),
                               PageSelect::Write))
        Accept(ColorSlider::Gamma, position, position);
    else
        PutBack(ColorSlider::Gamma);
    m_monitor.ReleaseOwnership();
}

void ColorSubModel::MoveStandard(ColorSlider slider, int position) {
    if (!m_monitor.WriteFeature(kStandard, RuleOf(slider).code,
                                static_cast<std::uint32_t>(position), PageSelect::Write)) {
        PutBack(slider);
        return;
    }
    Accept(slider, position, position);
    if (slider == ColorSlider::Red || slider == ColorSlider::Green || slider == ColorSlider::Blue)
        FollowGainMove();
}

// A gain change can make the monitor switch to its user colour and another temperature: the
// picture and the temperature slider follow what the monitor reports now.
void ColorSubModel::FollowGainMove() {
    m_monitor.TakeOwnership(Retry::Yes);
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    if (m_userColorPicture == 0) {
        const bool read = m_monitor.ReadFeature(kColorPage, kUserColorCode, &current, &maximum,
                                                PageSelect::Write, Retry::Yes);
        m_snapshot.userColorRead = read ? 1 : 0;
        m_snapshot.userColorState = static_cast<std::int32_t>(current);
        if (read && current != 0)
            m_view.RepaintPicture();
    }
    current = maximum = 0;
    const bool read = m_monitor.ReadFeature(kColorPage, kTemperatureCode, &current, &maximum,
                                            PageSelect::Write, Retry::Yes);
    m_snapshot.temperatureRead = read ? 1 : 0;
    m_snapshot.temperatureCurrent = static_cast<std::int32_t>(current);
    SetupTemperature(read, m_snapshot.temperatureCurrent);
    // The slider shows the monitor's temperature: a failed temperature write goes back to it.
    m_accepted[Index(ColorSlider::Temperature)] = Slider(ColorSlider::Temperature).position;
    m_monitor.ReleaseOwnership();
}

void ColorSubModel::Accept(ColorSlider slider, int position, std::int32_t value) {
    m_accepted[Index(slider)] = position;
    FeatureOf(m_snapshot, slider).current = value;
    SetText(slider, FormatValue(slider, value));
}

void ColorSubModel::PutBack(ColorSlider slider) {
    SetPosition(slider, m_accepted[Index(slider)]);
}

void ColorSubModel::Reset() {
    bool permitted = false;
    {
        WaitCursor wait(m_view);
        m_monitor.TakeOwnership(Retry::Yes);
        permitted = m_monitor.IsAdjustmentPermitted();
        if (permitted) {
            m_monitor.WriteFeature(kStandard, kFactoryColorCode, 1, PageSelect::Write);
            Load();
        }
        m_monitor.ReleaseOwnership();
    }
    if (!permitted)
        m_view.Finish(kColorSubRefused);
}

void ColorSubModel::Ok() {
    m_monitor.TakeOwnership(Retry::Yes);
    if (m_monitor.IsAdjustmentPermitted()) {
        if (GroupInUse())
            m_monitor.WriteFeature(kSixColorPage, kSixColorStateCode, kSixColorOk,
                                   PageSelect::Write);
        WaitCursor wait(m_view);
        m_monitor.WriteFeature(kCommandPage, kStoreCode, kStoreColor, PageSelect::Write);
    }
    m_monitor.ReleaseOwnership();
    m_view.Finish(kOk);
}

void ColorSubModel::Cancel() {
    {
        WaitCursor wait(m_view);
        m_monitor.TakeOwnership(Retry::Yes);
        if (m_monitor.IsAdjustmentPermitted()) {
            WriteBack(m_backup);
            m_snapshot = m_backup;
            m_monitor.WriteFeature(kCommandPage, kStoreCode, kStoreColor, PageSelect::Write);
        }
        m_monitor.ReleaseOwnership();
    }
    m_view.Finish(kCancel);
}

// The values the monitor had when the dialog opened, as they were read (unscaled), each only
// where the mode lets it be adjusted.
void ColorSubModel::WriteBack(const CMonitorColor& backup) {
    const std::uint32_t flags = ModeFlags(backup.modeCurrent);
    ColorPageRun page;
    auto write = [&](std::uint8_t code, std::int32_t value) {
        return page.Note(m_monitor.WriteFeature(kColorPage, code, static_cast<std::uint32_t>(value),
                                                page.Next()));
    };
    auto writeStandard = [&](ColorSlider slider) {
        const Feature feature = FeatureOf(backup, slider);
        if (feature.read && (flags & RuleOf(slider).modeBit))
            m_monitor.WriteFeature(kStandard, RuleOf(slider).code,
                                   static_cast<std::uint32_t>(feature.current), PageSelect::Write);
    };

    if (backup.modeRead)
        write(kModeCode, backup.modeCurrent);
    if (backup.temperatureRead && (flags & RuleOf(ColorSlider::Temperature).modeBit))
        write(kTemperatureCode, backup.temperatureCurrent);
    writeStandard(ColorSlider::Brightness);
    if (backup.temperatureCurrent == kTemperatureOff ||
        backup.temperatureCurrent == kTemperatureUser) {
        writeStandard(ColorSlider::Red);
        writeStandard(ColorSlider::Green);
        writeStandard(ColorSlider::Blue);
    }
    if (backup.gammaRead && (flags & RuleOf(ColorSlider::Gamma).modeBit) &&
        backup.gammaCurrent != kNoGamma)
        write(kGammaCode, backup.gammaCurrent);
    if (backup.groupRead && (flags & kGroupModeBit)) {
        std::array<std::uint32_t, 4> values{};
        std::transform(std::begin(backup.groupValues), std::end(backup.groupValues), values.begin(),
                       [](std::int32_t v) { return static_cast<std::uint32_t>(v); });
        m_monitor.WriteFeatureGroup(values, PageSelect::Write);
    }
    writeStandard(ColorSlider::Contrast);
}

void ColorSubModel::Close() {
    if (m_monitor.Exists() && GroupInUse()) {
        m_monitor.TakeOwnership(Retry::Yes);
        m_monitor.WriteFeature(kSixColorPage, kSixColorStateCode, kSixColorClosed,
                               PageSelect::Write);
        m_monitor.ReleaseOwnership();
    }
    m_shell.m_hwndColorAdjust = nullptr;
    m_monitors.adjustmentBusy = 0;
}

void ColorSubModel::SetRange(ColorSlider slider, int minimum, int maximum) {
    SliderState& state = m_sliders[Index(slider)];
    state.minimum = minimum;
    state.maximum = maximum;
    state.position = std::clamp(state.position, minimum, maximum);
    m_view.SetSliderRange(slider, minimum, maximum);
}

void ColorSubModel::SetPosition(ColorSlider slider, int position) {
    SliderState& state = m_sliders[Index(slider)];
    state.position = std::clamp(position, state.minimum, state.maximum);
    m_view.SetSliderPosition(slider, state.position);
}

void ColorSubModel::SetText(ColorSlider slider, const std::string& text) {
    m_view.SetValueText(slider, text);
}

std::uint32_t ColorSubModel::ModeFlags(std::int32_t mode) const {
    return mode < 0 ? 0 : ::ModeFlags(m_monitor.Status(), static_cast<std::uint32_t>(mode));
}

bool ColorSubModel::GroupInUse() const {
    return UsesFeatureGroup(m_monitor.Status());
}

int ColorSubModel::TemperatureCount() const {
    return std::popcount(m_monitor.Status().information.temperatureMask & kTemperatureBits);
}

int ColorSubModel::TemperatureValueAt(int position) const {
    std::uint32_t mask = m_monitor.Status().information.temperatureMask & kTemperatureBits;
    for (int p = 0; mask != 0; ++p, mask &= mask - 1) {
        if (p == position)
            return std::countr_zero(mask);
    }
    return -1;
}
