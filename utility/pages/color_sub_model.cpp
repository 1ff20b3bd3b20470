#include "utility/pages/color_sub_model.h"

#include "utility/monitor/picture_modes.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/res/resource.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <iterator>

namespace {

constexpr std::uint16_t kStandard = 0;
// Page 0xE0 code 0xE3 tells a monitor with the four-value group that the dialog works on it.
constexpr std::uint32_t kSixColorOpen = 1;
constexpr std::uint32_t kSixColorOk = 2;
constexpr std::uint32_t kSixColorClosed = 0;

// The mode flag that lets the four-value group be written back (the brightness flag).
constexpr std::uint32_t kGroupModeBit = 0x1;
constexpr std::uint32_t kTemperatureBits = 0x1FFFFFF; // values 0 ... 24
constexpr std::uint32_t kGammaBits = 0x1FF;           // values 0 ... 8
constexpr std::uint32_t kHighestGamma = 8;
constexpr std::int32_t kNoGamma = 255;
// The temperature values at which the monitor takes the gains from the user: off and user.
constexpr std::int32_t kTemperatureOff = 0;
constexpr std::int32_t kTemperatureUser = 15;
constexpr int kOk = 1;
constexpr int kCancel = 2;

constexpr const char* kTemperatureNames[] = {
    "OFF",    "4000K",  "4500K",  "5000K",  "5500K",  "6000K",  "6500K",  "7000K",  "7500K",
    "8000K",  "8500K",  "9000K",  "9300K",  "9500K",  "10000K", "10500K", "11000K", "11500K",
    "12000K", "12500K", "13000K", "13500K", "14000K", "14500K", "15000K"};
constexpr std::int32_t kTemperatureNameCount =
    static_cast<std::int32_t>(std::size(kTemperatureNames));

// Per slider: its standard VCP code (0 for the vendor-page features), the adjustment flag of
// the picture mode that allows it, its bitmaps when usable and when not, and its page size.
struct SliderRule {
    std::uint8_t code;
    std::uint32_t modeBit;
    std::uint32_t iconOn;
    std::uint32_t iconOff;
    int pageSize; // 0: a fifth of the maximum
};
constexpr SliderRule kRules[kColorSliderCount] = {
    {0, 0x4, 0, 0, 1}, // temperature: the picture instead
    {kBrightnessCode, 0x1, IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF, 40},
    {kContrastCode, 0x2, IDB_CONTRAST, IDB_CONTRAST_OFF, 0},
    {0, 0x8, IDB_GAMMA, IDB_GAMMA_OFF, 1},
    {kRedCode, 0x40, IDB_GAIN_RED, IDB_GAIN_OFF, 51},
    {kGreenCode, 0x40, IDB_GAIN_GREEN, IDB_GAIN_OFF, 51},
    {kBlueCode, 0x40, IDB_GAIN_BLUE, IDB_GAIN_OFF, 51},
};

const SliderRule& RuleOf(ColorSlider slider) {
    return kRules[static_cast<std::size_t>(slider)];
}

// One feature's fields in a colour snapshot; for the temperature, its top value stands for the
// maximum.
struct Feature {
    std::int32_t& current;
    std::int32_t& maximum;
    std::int32_t& read;
};

Feature FeatureOf(CMonitorColor& color, ColorSlider slider) {
    switch (slider) {
    case ColorSlider::Temperature:
        return {color.temperatureCurrent, color.temperatureTop, color.temperatureRead};
    case ColorSlider::Brightness:
        return {color.brightnessCurrent, color.brightnessMaximum, color.brightnessRead};
    case ColorSlider::Contrast:
        return {color.contrastCurrent, color.contrastMaximum, color.contrastRead};
    case ColorSlider::Gamma:
        return {color.gammaCurrent, color.gammaMaximum, color.gammaRead};
    case ColorSlider::Red:
        return {color.redCurrent, color.redMaximum, color.redRead};
    case ColorSlider::Green:
        return {color.greenCurrent, color.greenMaximum, color.greenRead};
    case ColorSlider::Blue:
        break;
    }
    return {color.blueCurrent, color.blueMaximum, color.blueRead};
}

Feature FeatureOf(const CMonitorColor& color, ColorSlider slider) {
    return FeatureOf(const_cast<CMonitorColor&>(color), slider);
}

// Operations on the colour page within one ownership bracket select the page once: after one of
// them went through, the page register still holds it. After a failure (possibly before the
// page select) the next one selects it again, so that no value lands on another page's code.
class ColorPageRun {
  public:
    PageSelect Next() const { return m_selected ? PageSelect::Skip : PageSelect::Write; }
    bool Note(bool succeeded) {
        m_selected = succeeded;
        return succeeded;
    }

  private:
    bool m_selected = false;
};

// The lowest and highest set bit of a mask; 0 ... 0 without one.
std::pair<int, int> BitRange(std::uint32_t mask) {
    if (mask == 0)
        return {0, 0};
    return {std::countr_zero(mask), 31 - std::countl_zero(mask)};
}

class WaitCursor {
  public:
    explicit WaitCursor(ColorSubView& view) : m_view(view) { m_view.BeginWait(); }
    ~WaitCursor() { m_view.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ColorSubView& m_view;
};

} // namespace

ColorSubModel::ColorSubModel(ColorSubView& view, CurrentMonitor& monitor, CMonitorColor& snapshot,
                             CMonitorStatusAll& monitors, ShellState& shell)
    : m_view(view), m_monitor(monitor), m_snapshot(snapshot), m_monitors(monitors), m_shell(shell) {
}

void ColorSubModel::Initialise(WindowHandle window) {
    m_shell.m_hwndColorAdjust = window;
    for (std::size_t i = 0; i < kColorSliderCount; ++i)
        m_view.EnableSlider(static_cast<ColorSlider>(i), false, 0);
    m_view.EnableButtons(false);
}

void ColorSubModel::Open() {
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

void ColorSubModel::EnableByMode() {
    const std::uint32_t flags = ModeFlags(m_snapshot.modeCurrent);
    for (std::size_t i = 0; i < kColorSliderCount; ++i) {
        const auto slider = static_cast<ColorSlider>(i);
        const bool enabled = FeatureOf(m_snapshot, slider).read && (flags & kRules[i].modeBit);
        m_view.EnableSlider(slider, enabled, enabled ? kRules[i].iconOn : kRules[i].iconOff);
    }
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
