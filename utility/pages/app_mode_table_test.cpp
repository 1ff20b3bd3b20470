// The Auto Veltone table's bounds: names, stored data names and empty names.
#include "utility/pages/app_mode_table.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"

#include <gtest/gtest.h>

namespace {

TEST(AppModeTable, NamesAreBoundedAndEmptyNamesReadNothing) {
    const std::string longExe = "C:\\" + std::string(300, 'p') + ".exe";
    const JapaneseCodePage japanese;
    EXPECT_EQ(ApplicationIdentifier(longExe, "X", japanese).size(), kAppNameMax);
    EXPECT_EQ(ApplicationIdentifier("C:\\Apps\\Player.EXE", "X", japanese), "PLAYER");
    // A double-byte character across the limit is left out whole.
    const std::string longJapanese = std::string(kAppNameMax - 1, 'p') + "\x83\x63.exe";
    EXPECT_EQ(ApplicationIdentifier(longJapanese, "X", japanese).size(), kAppNameMax - 1);

    MemoryRegistry port;
    CRegistry registry(port);
    const std::string key = KeyPath(kVtoneKey.data(), "PLAYER");
    registry.WriteDword("Mode", kAdjustmentDataMode, key.c_str());
    const std::string longName(300, 'n'); // longer than any adjustment data name can be
    registry.WriteString("ModeName", longName.c_str(),
                         static_cast<std::uint32_t>(longName.size() + 1), key.c_str());
    std::string modeName = "kept";
    EXPECT_FALSE(ReadAppModeName(registry, "PLAYER", modeName));
    EXPECT_EQ(modeName, "kept");
    const auto table = LoadAppModeTable(registry);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].modeName, "") << "loaded without a name: dangling";

    registry.WriteString("ModeName", "Evening", 8, kVtoneKey.data()); // the key's own value
    EXPECT_FALSE(ReadAppModeName(registry, "", modeName)) << "\"\" never reads the key itself";
    EXPECT_FALSE(StoreAppMode(registry, AppModeEntry{"", 2, "", false}));
    EXPECT_FALSE(DeleteAppMode(registry, ""));
    EXPECT_EQ(LoadAppModeTable(registry).size(), 1u) << "the table still there";
}

} // namespace
