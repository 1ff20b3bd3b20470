// The EyeCare reminder as stored: the monitor it belongs to (identified by model name and serial
// number), whether it is on, its interval and its message. Both the reminder's timers and the
// EyeCare dialog read it with the same rules.
#pragma once

#include "utility/settings/registry.h"
#include "utility/ui/string_table.h"

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr int kReminderMostHours = 24;
// The longest reminder text in bytes: the balloon holds 255 bytes and a zero.
inline constexpr std::size_t kReminderTextMax = 255;
inline constexpr std::uint32_t kDefaultReminderMessageId = 232;

struct ReminderSettings {
    std::string displayName; // the stored monitor
    std::string model;
    std::string serial;
    bool on = false;
    int hours = 1; // 1 ... 24
    std::string message;
};

// Reads the stored reminder. Each value is read into 256 bytes; a larger one counts as missing.
// Texts end at their first zero and after at most 255 bytes. "On" and "Hour" are numbers of
// whatever width was stored: "On" missing or zero is off; "Hour" missing or 0 is 1 and above 24
// is 24. A missing message is the standard one (string 232).
ReminderSettings ReadReminderSettings(const CRegistry& registry, const StringTable& strings);
