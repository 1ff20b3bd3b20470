// The registry suite against the in-memory registry, and what only the in-memory one can show.
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/settings/testing/registry_suite.h"

#include <type_traits>
#include <vector>

namespace {

RegistryTarget MakeMemoryTarget() {
    return {std::make_unique<MemoryRegistry>(), "Software\\DimoraTests\\memory"};
}

} // namespace

INSTANTIATE_TEST_SUITE_P(InMemory, RegistrySuite,
                         testing::Values(RegistryTargetFactory{"memory", &MakeMemoryTarget}));

// CRegistry is a service class whose only virtual operation is its destructor.
static_assert(std::has_virtual_destructor_v<CRegistry>);

TEST(MemoryRegistry, EveryOperationClosesTheKeyItOpened) {
    MemoryRegistry port;
    CRegistry registry(port);
    const char* key = "Software\\Test\\Color";
    const unsigned char byte = 1;
    char name[kRegistryNameCapacity];
    std::uint32_t value = 0;

    EXPECT_TRUE(registry.WriteDword("a", 1, key));
    EXPECT_TRUE(registry.WriteString("b", "x", 2, key));
    EXPECT_TRUE(registry.WriteBinary("c", &byte, 1, "Software\\Test\\Color\\Sub"));
    EXPECT_TRUE(registry.ReadDword("a", value, key));
    EXPECT_FALSE(registry.ReadDword("b", value, "Software\\Missing"));
    EXPECT_TRUE(registry.ReadValue("b", name, sizeof(name), key));
    EXPECT_TRUE(registry.EnumValue(0, key, name, sizeof(name), &value, sizeof(value)));
    EXPECT_FALSE(registry.EnumValue(0, key, name, 1, nullptr, 0)) << "name too long";
    EXPECT_TRUE(registry.EnumSubKey(0, key, name, sizeof(name)));
    EXPECT_FALSE(registry.EnumSubKey(1, key, name, sizeof(name)));
    EXPECT_TRUE(registry.DeleteValue("a", key));
    EXPECT_FALSE(registry.DeleteSubKey("Color", "Software\\Test")) << "has a sub-key";
    EXPECT_TRUE(registry.DeleteSubKey("Sub", key));
    EXPECT_EQ(port.OpenHandleCount(), 0u);
}

// A key the user may read but not change (a policy or an administrator's setting): every read
// sees it, every change fails and leaves it as it was.
TEST(MemoryRegistry, AKeyThatMayOnlyBeReadReadsAsItIs) {
    MemoryRegistry port;
    CRegistry registry(port);
    const char* key = "Software\\Test\\Locked";
    ASSERT_TRUE(registry.WriteDword("a", 7, key));
    ASSERT_TRUE(registry.WriteDword("b", 8, KeyPath(key, "Sub").c_str()));
    port.MakeReadOnly(key);
    std::uint32_t value = 0;
    char name[kRegistryNameCapacity];
    EXPECT_TRUE(registry.ReadDword("a", value, key));
    EXPECT_EQ(value, 7u);
    EXPECT_TRUE(registry.EnumValue(0, key, name, sizeof(name), nullptr, 0));
    EXPECT_TRUE(registry.EnumSubKey(0, key, name, sizeof(name)));
    EXPECT_FALSE(registry.WriteDword("a", 9, key));
    EXPECT_FALSE(registry.WriteDword("c", 9, KeyPath(key, "New").c_str())) << "no new sub-key";
    EXPECT_FALSE(registry.DeleteValue("a", key));
    EXPECT_TRUE(registry.ReadDword("a", value, key));
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(port.OpenHandleCount(), 0u);
}

TEST(MemoryRegistry, ValuesEnumerateInTheOrderFirstWritten) {
    MemoryRegistry port;
    CRegistry registry(port);
    const char* key = "Software\\Test";
    for (const char* name : {"zeta", "Alpha", "mid"})
        ASSERT_TRUE(registry.WriteDword(name, 1, key));
    ASSERT_TRUE(registry.WriteDword("ZETA", 2, key)); // replaces, keeps its place and name

    std::vector<std::string> names;
    char name[kRegistryNameCapacity];
    for (std::uint32_t i = 0; registry.EnumValue(i, key, name, sizeof(name), nullptr, 0); ++i)
        names.emplace_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"zeta", "Alpha", "mid"}));
}
