#include "utility/hotkeys/hotkey_settings.h"

#include "utility/eyecare/filter_rules.h"
#include "utility/settings/registry.h"
#include "utility/settings/registry_key.h"
#include "utility/settings/settings_keys.h"

#include <string>

namespace {

constexpr const char* kValueNames[kHotkeyActionCount] = {
    "BrightnessUp", "BrightnessDown", "ContrastUp",   "ContrastDown", "VolumeUp",
    "VolumeDown",   "NextMode",       "PreviousMode", "FilterToggle",
};

// A value of exactly `type` whose bytes fit `capacity`; `size` is how many it has.
bool Query(RegistryPort& registry, const char* name, std::uint32_t type, void* data,
           std::uint32_t capacity, std::uint32_t& size) {
    ScopedRegistryKey key(registry, kHotkeysKey.data(), ScopedRegistryKey::Mode::Read);
    std::uint32_t stored = 0;
    size = capacity;
    return key.IsOpen() &&
           registry.QueryValue(key.Get(), name, &stored, data, &size) == kRegistrySuccess &&
           stored == type && size <= capacity;
}

bool ReadDword(RegistryPort& registry, const char* name, std::uint32_t& value) {
    std::uint32_t read = 0;
    std::uint32_t size = 0;
    if (!Query(registry, name, kRegistryDword, &read, sizeof read, size) || size != sizeof read)
        return false;
    value = read;
    return true;
}

// A number within `lowest` ... `highest`; otherwise `field` stays.
void ReadInRange(RegistryPort& registry, const char* name, std::int64_t lowest,
                 std::int64_t highest, int& field) {
    std::uint32_t value = 0;
    if (ReadDword(registry, name, value) && value >= lowest && value <= highest)
        field = static_cast<int>(value);
}

} // namespace

unsigned HotkeyVirtualKey(HotkeyWord key) {
    return key & 0xFFu;
}

unsigned HotkeyModifiers(HotkeyWord key) {
    constexpr unsigned kShift = 0x1, kControl = 0x2, kAlt = 0x4;          // HOTKEYF_
    constexpr unsigned kModAlt = 0x1, kModControl = 0x2, kModShift = 0x4; // MOD_
    const unsigned flags = key >> 8;
    return (flags & kShift ? kModShift : 0) | (flags & kControl ? kModControl : 0) |
           (flags & kAlt ? kModAlt : 0);
}

const char* HotkeyValueName(HotkeyAction action) {
    return kValueNames[static_cast<std::size_t>(action)];
}

HotkeySettings LoadHotkeySettings(RegistryPort& registry) {
    HotkeySettings settings;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i) {
        std::uint32_t word = 0;
        // A key needs a virtual key, and the control knows no other modifiers.
        if (ReadDword(registry, kValueNames[i], word) && word <= 0xFFFF && (word & 0xFF) != 0 &&
            (word & ~(kHotkeyModifierMask | 0xFFu)) == 0)
            settings.keys[i] = static_cast<HotkeyWord>(word);
    }
    ReadInRange(registry, "Step", kHotkeyStepMin, kHotkeyStepMax, settings.step);
    int monitors = static_cast<int>(settings.monitors);
    ReadInRange(registry, "Monitor", 0, 2, monitors);
    settings.monitors = static_cast<HotkeyMonitors>(monitors);
    return settings;
}

bool SaveHotkeySettings(RegistryPort& registry, const HotkeySettings& settings) {
    const CRegistry store(registry);
    const char* key = kHotkeysKey.data();
    bool stored = true;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        stored &= store.WriteDword(kValueNames[i], settings.keys[i], key);
    stored &= store.WriteDword("Step", static_cast<std::uint32_t>(settings.step), key);
    stored &= store.WriteDword("Monitor", static_cast<std::uint32_t>(settings.monitors), key);
    return stored;
}

bool LoadToggledFilter(RegistryPort& registry, FilterSettings& filter) {
    std::uint32_t type = 0;
    std::uint32_t alpha = 0;
    std::uint32_t luminance = 0;
    char path[kFilterPathMax + 1] = {};
    std::uint32_t size = 0;
    if (!ReadDword(registry, "FilterType", type) ||
        (type != kFilterTypeDefault && type != kFilterTypeUserFile) ||
        !ReadDword(registry, "FilterAlpha", alpha) ||
        !ReadDword(registry, "FilterLuminance", luminance) ||
        !Query(registry, "FilterPath", kRegistryString, path, kFilterPathMax, size) ||
        path[0] == '\0')
        return false;
    const auto signedLuminance = static_cast<std::int32_t>(luminance);
    // Beyond the filter's ranges: as if none were kept.
    if (alpha > static_cast<std::uint32_t>(kAlphaMax) ||
        signedLuminance != ClampLuminance(signedLuminance))
        return false;
    filter.on = 1;
    filter.fileType = static_cast<int>(type);
    filter.filePath = path;
    filter.alpha = static_cast<int>(alpha);
    filter.luminance = signedLuminance;
    return true;
}

bool SaveToggledFilter(RegistryPort& registry, const FilterSettings& filter) {
    const CRegistry store(registry);
    const char* key = kHotkeysKey.data();
    return store.WriteDword("FilterType", static_cast<std::uint32_t>(filter.fileType), key) &&
           store.WriteString("FilterPath", filter.filePath.c_str(),
                             static_cast<std::uint32_t>(filter.filePath.size() + 1), key) &&
           store.WriteDword("FilterAlpha", static_cast<std::uint32_t>(filter.alpha), key) &&
           store.WriteDword("FilterLuminance", static_cast<std::uint32_t>(filter.luminance), key);
}
