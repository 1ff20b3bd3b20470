// The Auto Veltone table: which picture mode, or which named adjustment data, each application
// gets, kept as one sub-key per application under the Vtone key; and how an application is
// named from its window.
#pragma once

#include "utility/settings/registry.h"
#include "utility/text/code_page.h"

#include <cstdint>
#include <string>
#include <vector>

// Mode values of the table and of the default.
inline constexpr std::int32_t kNoModeChosen = -1;
inline constexpr std::int32_t kLastPictureMode = 36;
inline constexpr std::int32_t kNotChangeMode = 37;
inline constexpr std::int32_t kAdjustmentDataMode = 255;
// Application names and data names are kept to 255 bytes (the registry's key name limit).
inline constexpr std::size_t kAppNameMax = 255;

struct AppModeEntry {
    std::string name;                  // the application identifier
    std::int32_t mode = kNoModeChosen; // 0 ... 36, 255 for adjustment data, -1 nothing chosen
    std::string modeName;              // the adjustment data when mode is 255
    bool stored = false;               // the entry is in the registry
};

// A mode the table or the default may name for a monitor: 0 ... 36. Other stored numbers (37,
// -1, 300) change nothing.
inline bool IsPictureMode(std::int32_t mode) {
    return mode >= 0 && mode <= kLastPictureMode;
}

// The identifier of a window's application: its executable's base name in upper case, at most
// kAppNameMax bytes of whole characters. Windows of EXPLORER count only as folder windows
// (EXPLORER) or the shell's picture viewer (SHIMGVW); any other EXPLORER window (the desktop,
// the taskbar) has none: empty.
std::string ApplicationIdentifier(const std::string& exeFile, const std::string& windowClass,
                                  const CodePage& codePage);

// Every application of the Vtone key with a readable "Mode", in enumeration order; "ModeName"
// with it when the mode is 255 and the name is readable.
std::vector<AppModeEntry> LoadAppModeTable(const CRegistry& registry);

// The "ModeName" of application `name`: false when it is missing or longer than kAppNameMax
// bytes (no adjustment data can have such a name).
bool ReadAppModeName(const CRegistry& registry, const std::string& name, std::string& modeName);

// Writes the entry's "Mode", and its "ModeName" when the mode is 255 (deleted otherwise).
bool StoreAppMode(const CRegistry& registry, const AppModeEntry& entry);

// Deletes the application's sub-key.
bool DeleteAppMode(const CRegistry& registry, const std::string& name);
