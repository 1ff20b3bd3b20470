#include "utility/pages/adjustment_data.h"

#include "utility/monitor/picture_modes.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/color_page_run.h"
#include "utility/settings/settings_keys.h"

#include <algorithm>
#include <array>

namespace {

// Feature-word bits of monitors that keep the four-value group.
constexpr std::uint32_t kGroupFeatureBits = 0x1 | 0x8;
// A monitor reporting gamma 255 has no gamma value set (they run 0 ... 8): the record keeps it
// marked not valid, so it is never written back.
constexpr std::uint32_t kNoGammaValue = 255;
// The gains are written back only under the two colour temperatures that leave the colour to
// them: 0 (off, or not read) and 15 (the user's colour).
constexpr std::uint32_t kNoTemperature = 0;
constexpr std::uint32_t kUserTemperature = 15;

constexpr char kModeNameValue[] = "ModeName";
// What an application entry's "ModeName" may hold at most.
constexpr std::size_t kModeNameCapacity = 512;

std::string CutToField(const std::string& text, std::size_t fieldSize) {
    return text.substr(0, fieldSize - 1);
}

StoredFeature ReadStored(DeviceCtrl& ctrl, const CMonitorStatus& monitor, std::uint16_t page,
                         std::uint8_t code, PageSelect pageSelect) {
    StoredFeature feature;
    if (!ctrl.ReadFeature(monitor, page, code, &feature.current, &feature.maximum, pageSelect,
                          Retry::Yes))
        return StoredFeature{};
    feature.valid = 1;
    return feature;
}

// stored current x present maximum / stored maximum, truncated. 64 bits hold any product of
// two 32-bit values; for 16-bit VCP values the result is the one 32-bit arithmetic gives. A
// stored current above its stored maximum would scale beyond what the monitor takes, hence the
// clamp.
std::uint32_t ScaleToMonitor(const StoredFeature& stored, std::uint32_t presentMaximum) {
    const std::uint64_t scaled =
        std::uint64_t{stored.current} * presentMaximum / std::uint64_t{stored.maximum};
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(scaled, presentMaximum));
}

// Reads the setting, scales the stored value to the monitor's present maximum and writes it
// when it differs. A stored maximum of 0 gives nothing to scale from: the setting is skipped.
// A standard code (page 0) needs no page; a colour-page code selects the page as `run` says.
// False when the read or the write failed.
bool RestoreScaled(DeviceCtrl& ctrl, const CMonitorStatus& monitor, std::uint16_t page,
                   std::uint8_t code, const StoredFeature& stored, ColorPageRun* run = nullptr) {
    if (stored.valid == 0 || stored.maximum == 0)
        return true;
    auto select = [run] { return run ? run->Next() : PageSelect::Write; };
    auto note = [run](bool ok) { return run ? run->Note(ok) : ok; };
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    if (!note(ctrl.ReadFeature(monitor, page, code, &current, &maximum, select(), Retry::Yes)))
        return false;
    const std::uint32_t wanted = ScaleToMonitor(stored, maximum);
    return wanted == current || note(ctrl.WriteFeature(monitor, page, code, wanted, select()));
}

void RemoveModeNameReferences(const CRegistry& registry, const std::string& name) {
    char subKey[kRegistryNameCapacity];
    for (std::uint32_t i = 0; registry.EnumSubKey(i, kVtoneKey.data(), subKey, sizeof subKey);
         ++i) {
        const std::string path = KeyPath(kVtoneKey.data(), subKey);
        // One byte more than is read, so the text always ends inside the buffer.
        std::array<char, kModeNameCapacity + 1> text{};
        if (registry.ReadValue(kModeNameValue, text.data(), kModeNameCapacity, path.c_str()) &&
            name == text.data())
            registry.DeleteValue(kModeNameValue, path.c_str());
    }
}

} // namespace

std::uint32_t ModeFlags(const CMonitorStatus& monitor, std::uint32_t mode) {
    const auto& flags = monitor.information.modeFlags;
    return mode < flags.size() ? flags[mode] : 0;
}

bool UsesFeatureGroup(const CMonitorStatus& monitor) {
    return (monitor.information.featureWord & kGroupFeatureBits) != 0;
}

std::vector<std::string> ListAdjustmentDataNames(const CRegistry& registry) {
    std::vector<std::string> names;
    // Names only: without a data destination a value of any size enumerates, and the full name
    // capacity takes every name, so no value ends the list early.
    char name[kRegistryNameCapacity];
    for (std::uint32_t i = 0;
         registry.EnumValue(i, kColorKey.data(), name, sizeof name, nullptr, 0); ++i) {
        if (name[0] != '\0')
            names.emplace_back(name);
    }
    return names;
}

AdjustmentRecord CaptureAdjustmentRecord(DeviceCtrl& ctrl, const CMonitorStatus& monitor) {
    AdjustmentRecord record;
    record.modelName = CutToField(monitor.modelName, kRecordModelNameSize);
    record.serialNumber = CutToField(monitor.serialNumber, kRecordSerialNumberSize);
    record.identityKey = CutToField(monitor.identityKey, kRecordIdentityKeySize);

    // Standard-code reads leave the page register alone; after a failed colour-page read the
    // page is selected again, so that no read lands on another page's code.
    ColorPageRun page;
    std::uint32_t mode = 0;
    std::uint32_t maximum = 0;
    if (page.Note(ctrl.ReadFeature(monitor, kColorPage, kModeCode, &mode, &maximum, page.Next(),
                                   Retry::Yes)))
        record.mode = mode;
    const std::uint32_t flags = ModeFlags(monitor, record.mode);

    if (flags & kAdjustTemperature) {
        std::uint32_t temperature = 0;
        if (page.Note(ctrl.ReadFeature(monitor, kColorPage, kTemperatureCode, &temperature,
                                       &maximum, page.Next(), Retry::Yes)))
            record.temperature = temperature;
    }
    if (flags & kAdjustBrightness)
        record.brightness =
            ReadStored(ctrl, monitor, kStandardPage, kBrightnessCode, PageSelect::Write);
    if (flags & kAdjustGains) {
        record.red = ReadStored(ctrl, monitor, kStandardPage, kRedCode, PageSelect::Write);
        record.green = ReadStored(ctrl, monitor, kStandardPage, kGreenCode, PageSelect::Write);
        record.blue = ReadStored(ctrl, monitor, kStandardPage, kBlueCode, PageSelect::Write);
    }
    if (flags & kAdjustGamma) {
        record.gamma = ReadStored(ctrl, monitor, kColorPage, kGammaCode, page.Next());
        page.Note(record.gamma.valid != 0);
        if (record.gamma.current == kNoGammaValue)
            record.gamma.valid = 0;
    }
    if ((flags & kAdjustBrightness) && UsesFeatureGroup(monitor) &&
        ctrl.ReadFeatureGroup(monitor, record.group, PageSelect::Write))
        record.groupValid = 1;
    if (flags & kAdjustContrast)
        record.contrast =
            ReadStored(ctrl, monitor, kStandardPage, kContrastCode, PageSelect::Write);
    return record;
}

bool WriteAdjustmentRecord(const CRegistry& registry, const std::string& name,
                           const AdjustmentRecord& record) {
    if (name.empty())
        return false;
    const auto bytes = EncodeAdjustmentRecord(record);
    return registry.WriteBinary(name.c_str(), bytes.data(),
                                static_cast<std::uint32_t>(bytes.size()), kColorKey.data());
}

bool ReadAdjustmentRecord(const CRegistry& registry, const std::string& name,
                          AdjustmentRecord& record) {
    if (name.empty())
        return false;
    // CRegistry reads a value of at most the capacity it is given but does not tell its length.
    // A value that fits one byte less than a record is too short; one that does not fit a
    // record is too long; what is left is exactly one record.
    std::array<std::uint8_t, kAdjustmentRecordSize> bytes{};
    if (registry.ReadValue(name.c_str(), bytes.data(), bytes.size() - 1, kColorKey.data()))
        return false;
    bytes.fill(0);
    if (!registry.ReadValue(name.c_str(), bytes.data(), bytes.size(), kColorKey.data()))
        return false;
    return DecodeAdjustmentRecord(bytes.data(), bytes.size(), record);
}

void DeleteAdjustmentData(const CRegistry& registry, const std::string& name) {
    if (!name.empty())
        registry.DeleteValue(name.c_str(), kColorKey.data());
    RemoveModeNameReferences(registry, name);
}

bool ApplyRecord(DeviceCtrl& ctrl, const CMonitorStatus& monitor, const AdjustmentRecord& record) {
    const std::uint32_t flags = ModeFlags(monitor, record.mode);
    // Standard-code writes leave the page register alone; after a failed colour-page write the
    // page is selected again, so that no value lands on another page's code.
    ColorPageRun page;
    bool all =
        page.Note(ctrl.WriteFeature(monitor, kColorPage, kModeCode, record.mode, page.Next()));
    if (flags & kAdjustTemperature)
        all &= page.Note(ctrl.WriteFeature(monitor, kColorPage, kTemperatureCode,
                                           record.temperature, page.Next()));
    if (flags & kAdjustBrightness)
        all &= RestoreScaled(ctrl, monitor, kStandardPage, kBrightnessCode, record.brightness);
    if ((flags & kAdjustGains) &&
        (record.temperature == kNoTemperature || record.temperature == kUserTemperature)) {
        all &= RestoreScaled(ctrl, monitor, kStandardPage, kRedCode, record.red);
        all &= RestoreScaled(ctrl, monitor, kStandardPage, kGreenCode, record.green);
        all &= RestoreScaled(ctrl, monitor, kStandardPage, kBlueCode, record.blue);
    }
    if (flags & kAdjustGamma)
        all &= RestoreScaled(ctrl, monitor, kColorPage, kGammaCode, record.gamma, &page);
    if ((flags & kAdjustBrightness) && UsesFeatureGroup(monitor) && record.groupValid != 0)
        all &= ctrl.WriteFeatureGroup(monitor, record.group, PageSelect::Write);
    if (flags & kAdjustContrast)
        all &= RestoreScaled(ctrl, monitor, kStandardPage, kContrastCode, record.contrast);
    return all;
}

bool RecordFitsModel(const AdjustmentRecord& record, const CMonitorStatus& monitor) {
    return record.modelName == CutToField(monitor.modelName, kRecordModelNameSize);
}
