// The shortcut keys' settings against every hostile shape of each stored value: what cannot be
// read gives exactly what an absent value gives, the others kept.
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

struct Loaded {
    HotkeySettings settings;
    bool kept = false;
    FilterSettings filter{0, 0, "untouched", 0, 0};
};

Loaded StoreAndLoad(const StoredValue& value, const Shape& shape) {
    MemoryRegistry registry;
    EXPECT_TRUE(SaveHotkeySettings(registry, Chosen()));
    EXPECT_TRUE(SaveToggledFilter(registry, kKept));
    RegistryKey key = nullptr;
    registry.OpenKey(value.key.c_str(), RegistryAccess::ReadWrite, key);
    registry.DeleteValue(key, value.name);
    registry.CloseKey(key);
    if (!shape.absent) {
        const std::string bytes = shape.bytes(value);
        StoreValue(registry, value, shape.type ? shape.type : value.type, &bytes);
    }
    Loaded loaded;
    loaded.settings = LoadHotkeySettings(registry);
    loaded.kept = LoadToggledFilter(registry, loaded.filter);
    return loaded;
}

TEST(HotkeySettings, AValueThatCannotBeReadIsAsAbsent) {
    const std::string key(kHotkeysKey.data());
    std::vector<StoredValue> values;
    for (std::size_t i = 0; i < kHotkeyActionCount; ++i)
        values.push_back({key, HotkeyValueName(static_cast<HotkeyAction>(i)), kRegistryDword,
                          Le32(0x0370 + static_cast<std::uint32_t>(i)), 4});
    values.push_back({key, "Step", kRegistryDword, Le32(3), 4});
    values.push_back({key, "Monitor", kRegistryDword, Le32(2), 4});
    values.push_back({key, "FilterType", kRegistryDword, Le32(2), 4});
    values.push_back({key, "FilterAlpha", kRegistryDword, Le32(64), 4});
    values.push_back(
        {key, "FilterLuminance", kRegistryDword, Le32(static_cast<std::uint32_t>(-20)), 4});
    values.push_back({key, "FilterPath", kRegistryString, kKept.filePath + '\0', kFilterPathMax});
    // Out of range: a key without a virtual key or with unknown modifiers, a step of 0 or 21,
    // a fourth monitor choice.
    const std::vector<std::pair<const char*, std::uint32_t>> beyond = {
        {"NextMode", 0x0300},  {"NextMode", 0x1070},
        {"NextMode", 0x10070}, {"Step", 0},
        {"Step", 21},          {"Monitor", 3},
        {"FilterType", 0},     {"FilterType", 3},
        {"FilterAlpha", 256},  {"FilterLuminance", static_cast<std::uint32_t>(-101)},
    };
    for (const StoredValue& value : values) {
        const Loaded absent = StoreAndLoad(value, kShapes[0]);
        EXPECT_NE(absent.settings == Chosen() && absent.kept, true) << value.name;
        for (const Shape& shape : kShapes) {
            Loaded expected = absent;
            const std::string_view name = value.name;
            // A path filling the capacity without its zero is ended after it, as the filter's own.
            if (name == "FilterPath" && std::string_view(shape.what) == "one byte")
                expected = {Chosen(), true, {1, 2, "\x7f", 64, -20}};
            if (name == "FilterPath" && std::string_view(shape.what).starts_with("one short"))
                expected = {Chosen(), true, {1, 2, std::string(kFilterPathMax - 1, 'A'), 64, -20}};
            if (name == "FilterPath" && std::string_view(shape.what).starts_with("full"))
                expected = {Chosen(), true, {1, 2, std::string(kFilterPathMax, 'B'), 64, -20}};
            const Loaded loaded = StoreAndLoad(value, shape);
            EXPECT_EQ(loaded.settings, expected.settings) << value.name << ": " << shape.what;
            EXPECT_EQ(std::tie(loaded.kept, loaded.filter.filePath, loaded.filter.alpha,
                               loaded.filter.luminance),
                      std::tie(expected.kept, expected.filter.filePath, expected.filter.alpha,
                               expected.filter.luminance))
                << value.name << ": " << shape.what;
        }
        for (const auto& [name, number] : beyond) {
            if (std::string_view(name) != value.name)
                continue;
            const Shape stored{"beyond", false, 0, nullptr};
            StoredValue changed = value;
            changed.bytes = Le32(number);
            Shape asIs = stored;
            asIs.bytes = [](const StoredValue& v) { return v.bytes; };
            const Loaded loaded = StoreAndLoad(changed, asIs);
            EXPECT_EQ(loaded.settings, absent.settings) << name << " " << number;
            EXPECT_EQ(loaded.kept, absent.kept) << name << " " << number;
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
