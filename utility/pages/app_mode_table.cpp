#include "utility/pages/app_mode_table.h"

#include "utility/settings/settings_keys.h"
#include "utility/text/executable_name.h"

namespace {

// What a "ModeName" is read with at most; a longer value cannot name adjustment data.
constexpr std::size_t kModeNameReadCapacity = 512;

} // namespace

std::string ApplicationIdentifier(const std::string& exeFile, const std::string& windowClass,
                                  const CodePage& codePage) {
    std::string name = ExecutableBaseName(exeFile, codePage);
    if (name == "EXPLORER") {
        if (windowClass == "ExploreWClass" || windowClass == "CabinetWClass")
            return name;
        if (windowClass == "ShImgVw:CPreviewWnd")
            return "SHIMGVW";
        return {};
    }
    return CutToWholeCharacters(name, kAppNameMax, codePage);
}

bool ReadAppModeName(const CRegistry& registry, const std::string& name, std::string& modeName) {
    if (name.empty())
        return false;                          // "" would name the key's default value
    char text[kModeNameReadCapacity + 1] = {}; // a terminator of our own after every read
    if (!registry.ReadValue("ModeName", text, kModeNameReadCapacity,
                            KeyPath(kVtoneKey.data(), name).c_str()))
        return false;
    const std::string read(text);
    if (read.size() > kAppNameMax)
        return false;
    modeName = read;
    return true;
}

std::vector<AppModeEntry> LoadAppModeTable(const CRegistry& registry) {
    std::vector<AppModeEntry> table;
    char name[kRegistryNameCapacity];
    for (std::uint32_t i = 0; registry.EnumSubKey(i, kVtoneKey.data(), name, sizeof name); ++i) {
        if (name[0] == '\0')
            continue;
        std::uint32_t mode = 0;
        if (!registry.ReadDword("Mode", mode, KeyPath(kVtoneKey.data(), name).c_str()))
            continue;
        AppModeEntry entry;
        entry.name = name;
        entry.mode = static_cast<std::int32_t>(mode);
        entry.stored = true;
        if (entry.mode == kAdjustmentDataMode)
            ReadAppModeName(registry, entry.name, entry.modeName);
        table.push_back(std::move(entry));
    }
    return table;
}

bool StoreAppMode(const CRegistry& registry, const AppModeEntry& entry) {
    if (entry.name.empty())
        return false;
    const std::string key = KeyPath(kVtoneKey.data(), entry.name);
    if (!registry.WriteDword("Mode", static_cast<std::uint32_t>(entry.mode), key.c_str()))
        return false;
    if (entry.mode == kAdjustmentDataMode)
        return registry.WriteString("ModeName", entry.modeName.c_str(),
                                    static_cast<std::uint32_t>(entry.modeName.size() + 1),
                                    key.c_str());
    registry.DeleteValue("ModeName", key.c_str());
    return true;
}

bool DeleteAppMode(const CRegistry& registry, const std::string& name) {
    return !name.empty() && registry.DeleteSubKey(name.c_str(), kVtoneKey.data());
}
