#include "utility/eyecare/reminder_settings.h"

#include "utility/settings/settings_keys.h"

#include <algorithm>
#include <array>

namespace {

// Every reminder value is read into a buffer of this size.
constexpr std::size_t kValueCapacity = 256;
using ValueBuffer = std::array<std::uint8_t, kValueCapacity>;

// The value's bytes, zero beyond what was stored; false when it cannot be read.
bool ReadBytes(const CRegistry& registry, const char* name, const char* key, ValueBuffer& bytes) {
    bytes.fill(0);
    return registry.ReadValue(name, bytes.data(), bytes.size(), key);
}

// A text value: up to its first zero, at most kReminderTextMax bytes even when stored without
// a zero. False when it cannot be read.
bool ReadText(const CRegistry& registry, const char* name, const char* key, std::string& text) {
    ValueBuffer bytes;
    if (!ReadBytes(registry, name, key, bytes))
        return false;
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    text.assign(begin, std::find(begin, begin + kReminderTextMax, '\0'));
    return true;
}

bool AnyNonZero(const ValueBuffer& bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; });
}

// A little-endian number of any width, clamped to 1 ... 24 (0 is 1).
int HoursOf(const ValueBuffer& bytes) {
    const bool beyondFirstByte =
        std::any_of(bytes.begin() + 1, bytes.end(), [](std::uint8_t b) { return b != 0; });
    if (beyondFirstByte)
        return kReminderMostHours;
    return std::clamp<int>(bytes[0], 1, kReminderMostHours);
}

} // namespace

ReminderSettings ReadReminderSettings(const CRegistry& registry, const StringTable& strings) {
    ReminderSettings settings;
    ReadText(registry, "Display Name", kEyeCareKey.data(), settings.displayName);
    ReadText(registry, "Model Name", kEyeCareKey.data(), settings.model);
    ReadText(registry, "Serial Num", kEyeCareKey.data(), settings.serial);
    ValueBuffer bytes;
    settings.on = ReadBytes(registry, "On", kReminderKey.data(), bytes) && AnyNonZero(bytes);
    if (ReadBytes(registry, "Hour", kReminderKey.data(), bytes))
        settings.hours = HoursOf(bytes);
    if (!ReadText(registry, "Message", kReminderKey.data(), settings.message))
        settings.message = strings.Load(kDefaultReminderMessageId);
    return settings;
}
