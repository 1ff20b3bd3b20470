// The colour adjustment dialog opening: every value read from the monitor, the sliders' ranges,
// positions and texts, and which of them the picture mode allows.
#include "utility/pages/color_sub_model.h"

#include "utility/pages/color_page_run.h"
#include "utility/pages/color_sub_rules.h"

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace color_sub;

void ColorSubModel::Initialise(WindowHandle window) {
    m_shell.m_hwndColorAdjust = window;
    for (std::size_t i = 0; i < kColorSliderCount; ++i)
        m_view.EnableSlider(static_cast<ColorSlider>(i), false, 0);
    m_view.EnableButtons(false);
}

void ColorSubModel::Open() {
    if (std::exchange(m_opened, true))
        return;
    bool permitted = false;
    {
        WaitCursor wait(m_view);
        m_monitor.TakeOwnership(Retry::Yes);
        permitted = m_monitor.IsAdjustmentPermitted();
        if (permitted) {
            if (GroupInUse())
                m_monitor.WriteFeature(kSixColorPage, kSixColorStateCode, kSixColorOpen,
                                       PageSelect::Write);
            Load();
            m_backup = m_snapshot;
        }
        m_monitor.ReleaseOwnership();
    }
    if (!permitted)
        m_view.Finish(kColorSubRefused);
}

void ColorSubModel::Load() {
    ReadAll();
    SetupAll();
    m_view.RepaintPicture();
    if (m_snapshot.modeRead)
        EnableByMode();
    for (std::size_t i = 0; i < kColorSliderCount; ++i)
        m_accepted[i] = m_sliders[i].position;
    m_view.EnableButtons(true);
    m_view.FocusOk();
}

void ColorSubModel::ReadAll() {
    WaitCursor wait(m_view);
    ColorPageRun page;
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    auto read = [&](std::uint16_t featurePage, std::uint8_t code, PageSelect select) {
        current = maximum = 0;
        const bool ok =
            m_monitor.ReadFeature(featurePage, code, &current, &maximum, select, Retry::Yes);
        return featurePage == kStandard ? ok : page.Note(ok);
    };
    auto store = [&](ColorSlider slider, bool ok) {
        Feature feature = FeatureOf(m_snapshot, slider);
        feature.read = ok ? 1 : 0;
        feature.current = static_cast<std::int32_t>(current);
        feature.maximum = static_cast<std::int32_t>(maximum);
    };

    const bool mode = read(kColorPage, kModeCode, PageSelect::Write);
    m_snapshot.modeRead = mode ? 1 : 0;
    m_snapshot.modeCurrent = static_cast<std::int32_t>(current);
    m_snapshot.modeMaximum = static_cast<std::int32_t>(maximum);

    const bool temperature = read(kColorPage, kTemperatureCode, page.Next());
    m_snapshot.temperatureRead = temperature ? 1 : 0;
    m_snapshot.temperatureCurrent = static_cast<std::int32_t>(current);
    if (temperature) {
        // The top value is the last one the monitor lists for the code.
        const auto listed =
            m_monitor.Status().vendorPages.equal_range({kColorPage, kTemperatureCode});
        if (listed.first != listed.second)
            m_snapshot.temperatureTop = std::prev(listed.second)->second;
    }

    store(ColorSlider::Brightness, read(kStandard, kBrightnessCode, PageSelect::Write));
    store(ColorSlider::Red, read(kStandard, kRedCode, PageSelect::Write));
    store(ColorSlider::Green, read(kStandard, kGreenCode, PageSelect::Write));
    store(ColorSlider::Blue, read(kStandard, kBlueCode, PageSelect::Write));
    store(ColorSlider::Gamma, read(kColorPage, kGammaCode, page.Next()));
    store(ColorSlider::Contrast, read(kStandard, kContrastCode, PageSelect::Write));

    const bool userColor = read(kColorPage, kUserColorCode, page.Next());
    m_snapshot.userColorRead = userColor ? 1 : 0;
    m_snapshot.userColorState = static_cast<std::int32_t>(current);

    if (GroupInUse()) {
        std::array<std::uint32_t, 4> values{};
        const bool group = m_monitor.ReadFeatureGroup(values, PageSelect::Write);
        m_snapshot.groupRead = group ? 1 : 0;
        if (group)
            std::transform(values.begin(), values.end(), m_snapshot.groupValues,
                           [](std::uint32_t v) { return static_cast<std::int32_t>(v); });
    }
}

void ColorSubModel::SetupAll() {
    SetupTemperature(m_snapshot.temperatureRead != 0, m_snapshot.temperatureCurrent);
    for (ColorSlider slider : {ColorSlider::Brightness, ColorSlider::Red, ColorSlider::Green,
                               ColorSlider::Blue, ColorSlider::Gamma, ColorSlider::Contrast}) {
        const Feature feature = FeatureOf(m_snapshot, slider);
        SetupSlider(slider, feature.read != 0, feature.current);
    }
    for (std::size_t i = 0; i < kColorSliderCount; ++i) {
        const int size = kRules[i].pageSize ? kRules[i].pageSize : m_snapshot.contrastMaximum / 5;
        m_view.SetSliderPageSize(static_cast<ColorSlider>(i), size);
    }
}

void ColorSubModel::SetupTemperature(bool read, std::int32_t current) {
    int last = TemperatureCount() - 1;
    // While the monitor does not show its user colour, the top value is not offered.
    std::uint32_t state = 0;
    std::uint32_t maximum = 0;
    if (m_monitor.ReadFeature(kColorPage, kUserColorCode, &state, &maximum, PageSelect::Write,
                              Retry::Yes) &&
        state == 0)
        --last;
    SetRange(ColorSlider::Temperature, 0, std::max(last, 0));
    if (!read) {
        SetPosition(ColorSlider::Temperature, 0);
        SetText(ColorSlider::Temperature, "");
        return;
    }
    // The position of a value the mask does not offer is the value itself.
    int position = current;
    const std::uint32_t mask = m_monitor.Status().information.temperatureMask & kTemperatureBits;
    if (current >= 0 && current < kTemperatureNameCount && (mask & (std::uint32_t{1} << current)))
        position = std::popcount(mask & ((std::uint32_t{1} << current) - 1));
    SetPosition(ColorSlider::Temperature, position);
    SetText(ColorSlider::Temperature, FormatValue(ColorSlider::Temperature, current));
}

void ColorSubModel::SetupSlider(ColorSlider slider, bool read, std::int32_t current) {
    if (slider == ColorSlider::Gamma) {
        if (static_cast<std::uint32_t>(current) <= kHighestGamma) {
            const auto [lowest, highest] =
                BitRange(m_monitor.Status().information.gammaMask & kGammaBits);
            SetRange(slider, lowest, highest);
        } else {
            // 255 and the like: the monitor has no gamma value now.
            SetRange(slider, 0, static_cast<int>(kHighestGamma));
            read = false;
        }
    } else {
        SetRange(slider, 0, std::max(FeatureOf(m_snapshot, slider).maximum, 0));
    }
    SetPosition(slider, read ? current : 0);
    SetText(slider, read ? FormatValue(slider, current) : std::string());
}

std::string ColorSubModel::FormatValue(ColorSlider slider, std::int32_t value) const {
    if (slider == ColorSlider::Temperature) {
        const std::int32_t top = m_snapshot.temperatureTop;
        if (m_snapshot.userColorRead && (value == 0 || value == top))
            return value == 0 ? "Native" : "User";
        if (value == top)
            return "OFF";
        if (value < 0 || value >= kTemperatureNameCount)
            return {};
        return kTemperatureNames[value];
    }
    if (slider == ColorSlider::Gamma) {
        char text[32];
        std::snprintf(text, sizeof text, "%1.1f", (value + 7) * 20 / 100.0);
        return text;
    }
    const auto maximum = static_cast<std::uint32_t>(FeatureOf(m_snapshot, slider).maximum);
    if (maximum == 0)
        return {};
    return std::to_string(std::uint64_t{static_cast<std::uint32_t>(value)} * 100 / maximum);
}

int ColorSubModel::PositionValue(ColorSlider slider, int position) const {
    return slider == ColorSlider::Temperature ? TemperatureValueAt(position) : position;
}

std::string ColorSubModel::PositionText(ColorSlider slider, int position) const {
    const int value = PositionValue(slider, position);
    return value < 0 ? std::string() : FormatValue(slider, value);
}

void ColorSubModel::EnableByMode() {
    const std::uint32_t flags = ModeFlags(m_snapshot.modeCurrent);
    for (std::size_t i = 0; i < kColorSliderCount; ++i) {
        const auto slider = static_cast<ColorSlider>(i);
        const bool enabled = FeatureOf(m_snapshot, slider).read && (flags & kRules[i].modeBit);
        m_view.EnableSlider(slider, enabled, enabled ? kRules[i].iconOn : kRules[i].iconOff);
    }
}

std::uint32_t ColorSubModel::TemperaturePicture(bool fewerThan16Bits) {
    m_userColorPicture = (!m_snapshot.userColorRead || m_snapshot.userColorState != 0) ? 1 : 0;
    if (!m_monitor.Exists())
        return 0;
    const bool adjustable =
        ModeFlags(m_snapshot.modeCurrent) & RuleOf(ColorSlider::Temperature).modeBit;
    // [adjustable][user colour][fewer than 16 bits]
    constexpr std::uint32_t kPictures[2][2][2] = {
        {{IDB_TEMP_PRESET_OFF, IDB_TEMP_PRESET_OFF_256},
         {IDB_TEMP_USER_OFF, IDB_TEMP_USER_OFF_256}},
        {{IDB_TEMP_PRESET, IDB_TEMP_PRESET_256}, {IDB_TEMP_USER, IDB_TEMP_USER_256}},
    };
    return kPictures[adjustable][m_userColorPicture][fewerThan16Bits];
}
