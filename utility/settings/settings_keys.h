// Where the utility keeps its settings: the root key under the current user's hive and its
// sub-keys. Every registry operation takes a full key path, so each sub-key also comes joined
// to the root (`kColorKey.data()` is "Software\...\Color").
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// `parent` + "\" + `child`, built at compile time.
template <std::size_t ParentSize, std::size_t ChildSize>
constexpr std::array<char, ParentSize + ChildSize> JoinKeyPath(const char (&parent)[ParentSize],
                                                               const char (&child)[ChildSize]) {
    std::array<char, ParentSize + ChildSize> path{};
    std::size_t at = 0;
    for (std::size_t i = 0; i + 1 < ParentSize; ++i)
        path[at++] = parent[i];
    path[at++] = '\\';
    for (std::size_t i = 0; i + 1 < ChildSize; ++i)
        path[at++] = child[i];
    return path; // the last element stays the terminating zero
}

// `parent` + "\" + `child` for names known only at run time (an application's Vtone entry, a
// filter picture's VSFilter entry).
inline std::string KeyPath(std::string_view parent, std::string_view child) {
    std::string path(parent);
    path += '\\';
    path += child;
    return path;
}

inline constexpr char kRootKey[] = "Software\\Orvane\\Visomat (DDCCI) V2.3x";

// Sub-keys, relative to the root.
inline constexpr char kColorSubKey[] = "Color";                // named adjustment data
inline constexpr char kVtoneSubKey[] = "Vtone";                // one sub-key per application
inline constexpr char kEyeCareSubKey[] = "EyeCare";            // the reminder's monitor
inline constexpr char kReminderSubKey[] = "EyeCare\\Reminder"; // the reminder itself
inline constexpr char kVSFilterSubKey[] = "VSFilter";          // the screen filter
inline constexpr char kHotkeysSubKey[] = "Hotkeys";            // the shortcut keys
// The reminder's name inside "EyeCare", as DeleteSubKey of the EyeCare key takes it.
inline constexpr char kReminderName[] = "Reminder";

// The same sub-keys as full paths.
inline constexpr auto kColorKey = JoinKeyPath(kRootKey, kColorSubKey);
inline constexpr auto kVtoneKey = JoinKeyPath(kRootKey, kVtoneSubKey);
inline constexpr auto kEyeCareKey = JoinKeyPath(kRootKey, kEyeCareSubKey);
inline constexpr auto kReminderKey = JoinKeyPath(kRootKey, kReminderSubKey);
inline constexpr auto kVSFilterKey = JoinKeyPath(kRootKey, kVSFilterSubKey);
inline constexpr auto kHotkeysKey = JoinKeyPath(kRootKey, kHotkeysSubKey);
