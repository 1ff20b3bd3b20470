// The applied screen filter as read at start-up: present, partly unreadable and switched off.
#include "utility/eyecare/filter_settings.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterSettings, ReadsTheStoredFilterAndKeepsWhatCannotBeRead) {
    MemoryRegistry port;
    CRegistry registry(port);
    const char* key = kVSFilterKey.data();
    const std::uint8_t on = 1;
    const std::int32_t luminance = -30;
    const std::string path(300, 'p'); // longer than a path can be
    registry.WriteBinary("On", &on, 1, key);
    registry.WriteDword("FileType", 2, key);
    registry.WriteString("FilePath", path.c_str(), static_cast<std::uint32_t>(path.size() + 1),
                         key);
    registry.WriteDword("Alpha", 128, key);
    registry.WriteBinary("Luminance", &luminance, sizeof luminance, key);

    FilterSettings filter;
    filter.filePath = "kept";
    LoadFilterSettings(registry, filter);
    EXPECT_EQ(filter.on, 1);
    EXPECT_EQ(filter.fileType, 2);
    EXPECT_EQ(filter.filePath, "kept") << "a value too long to read leaves the path";
    EXPECT_EQ(filter.alpha, 128);
    EXPECT_EQ(filter.luminance, -30);

    const std::string exact(260, 'q'); // exactly the capacity, stored without a zero
    registry.WriteBinary("FilePath", exact.data(), 260, key);
    LoadFilterSettings(registry, filter);
    EXPECT_EQ(filter.filePath, exact);

    const std::uint8_t off = 0;
    registry.WriteBinary("On", &off, 1, key);
    FilterSettings fresh;
    LoadFilterSettings(registry, fresh);
    EXPECT_EQ(fresh.on, 0);
    EXPECT_EQ(fresh.alpha, 0) << "switched off: nothing else is read";
}

} // namespace
