// The shortcut keys' settings: a key per action as the hot-key control gives it, the step of
// brightness, contrast and volume, and which monitor a key works on; and the screen filter that
// the filter key took away last, which its next press shows again.
#pragma once

#include "utility/eyecare/filter_settings.h"
#include "utility/settings/registry_port.h"

#include <array>
#include <cstddef>
#include <cstdint>

enum class HotkeyAction {
    BrightnessUp,
    BrightnessDown,
    ContrastUp,
    ContrastDown,
    VolumeUp,
    VolumeDown,
    NextMode,
    PreviousMode,
    FilterToggle,
};
inline constexpr std::size_t kHotkeyActionCount = 9;

// Which monitor a key works on.
enum class HotkeyMonitors {
    UnderPointer, // the display device under the mouse pointer, its first controllable monitor
    Current,      // the utility's current monitor
    Every,
};

inline constexpr int kHotkeyStepMin = 1;
inline constexpr int kHotkeyStepMax = 20;
inline constexpr int kHotkeyStepDefault = 10;

// A key as the hot-key control gives it (HKM_GETHOTKEY): the virtual key in the low byte, the
// HOTKEYF_ modifier flags in the high byte; 0 for none.
using HotkeyWord = std::uint16_t;
inline constexpr HotkeyWord kHotkeyModifierMask = 0x0F00; // shift, control, alt, extended

// What RegisterHotKey takes for a key word: its virtual key, and its modifiers as MOD_ALT (1),
// MOD_CONTROL (2) and MOD_SHIFT (4), where the control's HOTKEYF_ flags have shift first and alt
// third; the control's extended-key flag has no part in a registration.
unsigned HotkeyVirtualKey(HotkeyWord key);
unsigned HotkeyModifiers(HotkeyWord key);

struct HotkeySettings {
    std::array<HotkeyWord, kHotkeyActionCount> keys{};
    int step = kHotkeyStepDefault;
    HotkeyMonitors monitors = HotkeyMonitors::UnderPointer;

    bool operator==(const HotkeySettings&) const = default;
};

// The registry value that holds the key of `action` ("BrightnessUp").
const char* HotkeyValueName(HotkeyAction action);

// Reads the settings; a value that is absent, not a REG_DWORD of 4 bytes or beyond its range
// keeps its default (no key, step 10, the monitor under the pointer).
HotkeySettings LoadHotkeySettings(RegistryPort& registry);
// False when the registry did not take every value.
bool SaveHotkeySettings(RegistryPort& registry, const HotkeySettings& settings);

// The filter the key last took away: false (and `filter` as it was) when none is kept or what
// is kept cannot be read. Its picture is a default picture's path or a file of the user's.
bool LoadToggledFilter(RegistryPort& registry, FilterSettings& filter);
bool SaveToggledFilter(RegistryPort& registry, const FilterSettings& filter);
