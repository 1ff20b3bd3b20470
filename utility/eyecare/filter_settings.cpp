#include "utility/eyecare/filter_settings.h"

#include "utility/eyecare/filter_rules.h"
#include "utility/settings/settings_keys.h"

namespace {

void ReadInt(const CRegistry& registry, const char* name, int& field) {
    auto value = static_cast<std::uint32_t>(field);
    if (registry.ReadDword(name, value, kVSFilterKey.data()))
        field = static_cast<int>(value);
}

} // namespace

void LoadFilterSettings(const CRegistry& registry, FilterSettings& filter) {
    // "On" is stored as one byte: it fills only the low byte of what was there.
    ReadInt(registry, "On", filter.on);
    if (!filter.on)
        return;
    ReadInt(registry, "FileType", filter.fileType);
    char path[kFilterPathMax + 1] = {}; // the extra zero ends a path stored without one
    if (registry.ReadValue("FilePath", path, kFilterPathMax, kVSFilterKey.data()))
        filter.filePath = path;
    ReadInt(registry, "Alpha", filter.alpha);
    ReadInt(registry, "Luminance", filter.luminance);
    filter.alpha = ClampAlpha(filter.alpha);
    filter.luminance = ClampLuminance(filter.luminance);
}
