// The shortcut keys' settings against every hostile shape of each stored value, and values
// beyond their ranges: what cannot be read gives exactly what an absent value gives.
#include "utility/hotkeys/hotkey_settings.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/hostile_values.h"
#include "utility/settings/testing/registry_memory.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

namespace {

HotkeySettings Chosen() {
    HotkeySettings settings;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        settings.keys[i] = static_cast<HotkeyWord>(0x0370 + i); // Ctrl+Shift+F1 ... F9
    settings.step = 3;
    settings.monitors = HotkeyMonitors::Every;
    return settings;
}

const FilterSettings kKept{1, kFilterTypeUserFile, "C:\\mine\\sea.png", 64, -20};

// The settings and the kept filter read back after `value` was stored as `bytes` of `type` (or
// taken away, without bytes).
auto StoreAndLoad(const StoredValue& value, std::uint32_t type, const std::string* bytes) {
    MemoryRegistry registry;
    SaveHotkeySettings(registry, Chosen());
    SaveToggledFilter(registry, kKept);
    RegistryKey key = nullptr;
    registry.OpenKey(value.key.c_str(), RegistryAccess::ReadWrite, key);
    registry.DeleteValue(key, value.name);
    registry.CloseKey(key);
    StoreValue(registry, value, type, bytes);
    FilterSettings filter{0, 0, "untouched", 0, 0};
    const bool kept = LoadToggledFilter(registry, filter);
    return std::tuple(LoadHotkeySettings(registry), kept, filter.filePath, filter.alpha,
                      filter.luminance);
}

TEST(HotkeySettings, AValueThatCannotBeReadIsAsAbsent) {
    const std::string key(kHotkeysKey.data());
    std::vector<StoredValue> values;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        values.push_back({key, HotkeyValueName(static_cast<HotkeyAction>(i)), kRegistryDword,
                          Le32(0x0370 + static_cast<std::uint32_t>(i)), 4});
    const std::vector<std::pair<const char*, std::uint32_t>> numbers = {
        {"Step", 3},
        {"Monitor", 2},
        {"FilterType", 2},
        {"FilterAlpha", 64},
        {"FilterLuminance", static_cast<std::uint32_t>(-20)}};
    for (const auto& [name, number] : numbers)
        values.push_back({key, name, kRegistryDword, Le32(number), 4});
    values.push_back({key, "FilterPath", kRegistryString, kKept.filePath + '\0', kFilterPathMax});
    // Beyond the ranges: no virtual key, unknown modifiers, more than 16 bits, a step of 0 or
    // 21, a fourth monitor choice, no filter type or an unknown one, opacity over 255, luminance
    // under -100.
    const std::vector<std::pair<std::string_view, std::uint32_t>> beyond = {
        {"NextMode", 0x0300},  {"NextMode", 0x1070},
        {"NextMode", 0x10070}, {"Step", 0},
        {"Step", 21},          {"Monitor", 3},
        {"FilterType", 0},     {"FilterType", 3},
        {"FilterAlpha", 256},  {"FilterLuminance", static_cast<std::uint32_t>(-101)},
    };
    for (const StoredValue& value : values) {
        const auto absent = StoreAndLoad(value, value.type, nullptr);
        EXPECT_NE(std::get<0>(absent) == Chosen() && std::get<1>(absent), true) << value.name;
        for (const Shape& shape : kShapes) {
            const std::string bytes = shape.absent ? std::string() : shape.bytes(value);
            auto expected = absent;
            // A path is a text up to its first zero, or the whole value, as the filter's own.
            const std::string path = bytes.substr(0, bytes.find('\0'));
            if (std::string_view(value.name) == "FilterPath" && !shape.type && !path.empty() &&
                bytes.size() <= kFilterPathMax)
                expected = std::tuple(Chosen(), true, path, 64, -20);
            EXPECT_EQ(StoreAndLoad(value, shape.type ? shape.type : value.type,
                                   shape.absent ? nullptr : &bytes),
                      expected)
                << value.name << ": " << shape.what;
        }
        for (const auto& [name, number] : beyond) {
            const std::string bytes = Le32(number);
            if (name == value.name) {
                EXPECT_EQ(StoreAndLoad(value, value.type, &bytes), absent) << name << number;
            }
        }
    }
}

TEST(HotkeySettings, TheControlsFlagsBecomeTheRegistrationsModifiers) {
    const struct {
        HotkeyWord key;
        unsigned virtualKey;
        unsigned modifiers;
    } cases[] = {
        {0x0170, 0x70, 0x4}, // Shift+F1: MOD_SHIFT
        {0x0441, 0x41, 0x1}, // Alt+A: MOD_ALT
        {0x0E26, 0x26, 0x3}, // Ctrl+Alt+Up, an extended key: MOD_CONTROL | MOD_ALT
        {0x0721, 0x21, 0x7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HotkeyVirtualKey(c.key), c.virtualKey) << c.key;
        EXPECT_EQ(HotkeyModifiers(c.key), c.modifiers) << c.key;
    }
}

} // namespace
