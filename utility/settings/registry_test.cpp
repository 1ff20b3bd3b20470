// The settings store's operations, run against every registry the suite is instantiated with
// (registry_memory_test.cpp, registry_test_win.cpp).
#include "utility/settings/registry_key.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_suite.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

using Mode = ScopedRegistryKey::Mode;
using Bytes = std::vector<unsigned char>;

static_assert(std::string_view(kReminderKey.data()) ==
              "Software\\Orvane\\Visomat (DDCCI) V2.3x\\EyeCare\\Reminder");

namespace {

// Deletes the key `path` alone: it fails while the key has sub-keys.
bool DeleteKey(RegistryPort& port, const std::string& path) {
    const std::size_t cut = path.rfind('\\');
    const std::string parentPath = cut == std::string::npos ? "" : path.substr(0, cut);
    ScopedRegistryKey parent(port, parentPath.c_str(), Mode::Change);
    return parent.IsOpen() &&
           port.DeleteKey(parent.Get(), path.substr(cut + 1).c_str()) == kRegistrySuccess;
}

// Every sub-key name of `key`, in enumeration order.
std::vector<std::string> SubKeys(const CRegistry& registry, const std::string& key) {
    std::vector<std::string> names;
    char name[kRegistryNameCapacity];
    for (std::uint32_t i = 0; registry.EnumSubKey(i, key.c_str(), name, sizeof(name)); ++i)
        names.emplace_back(name);
    return names;
}

std::array<unsigned char, 4> BytesOf(std::uint32_t value) {
    std::array<unsigned char, 4> bytes;
    std::memcpy(bytes.data(), &value, sizeof(value));
    return bytes;
}

// Deletes `path` and every key below it; false when something stayed.
bool DeleteKeyTree(RegistryPort& port, const std::string& path) {
    {
        ScopedRegistryKey key(port, path.c_str(), Mode::Change);
        if (!key.IsOpen())
            return false;
        char name[kRegistryNameCapacity];
        std::uint32_t length = sizeof(name);
        // Always the first sub-key: deleting one moves the others up.
        while (port.EnumKey(key.Get(), 0, name, &length) == kRegistrySuccess) {
            if (!DeleteKeyTree(port, KeyPath(path, name)))
                return false;
            length = sizeof(name);
        }
    }
    return DeleteKey(port, path);
}

} // namespace

void RegistrySuite::SetUp() {
    target = GetParam().make();
    DeleteKeyTree(*target.port, target.root); // left over by an earlier run with our id
    registry = std::make_unique<CRegistry>(*target.port);
}

void RegistrySuite::TearDown() {
    EXPECT_TRUE(DeleteKeyTree(*target.port, target.root) || !Exists(""));
    // The common parent goes only once no other run holds a key below it.
    DeleteKey(*target.port, target.root.substr(0, target.root.rfind('\\')));
}

std::string RegistrySuite::Key(std::string_view subKey) const {
    return subKey.empty() ? target.root : KeyPath(target.root, subKey);
}

bool RegistrySuite::Exists(std::string_view subKey) const {
    return ScopedRegistryKey(*target.port, Key(subKey).c_str(), Mode::Read).IsOpen();
}

TEST_P(RegistrySuite, WritesCreateMissingKeysAndNamesIgnoreCase) {
    const unsigned char on = 1;
    EXPECT_TRUE(registry->WriteDword("Mode", 5, Key("Vtone\\NOTEPAD").c_str()));
    EXPECT_TRUE(registry->WriteString("Message", "Rest", 5, Key("EyeCare\\Reminder").c_str()));
    EXPECT_TRUE(registry->WriteBinary("On", &on, 1, Key("VSFilter\\a.png").c_str()));
    EXPECT_EQ(SubKeys(*registry, Key()),
              (std::vector<std::string>{"EyeCare", "VSFilter", "Vtone"}));

    // Same key and value in other letter cases: replaced, not added.
    EXPECT_TRUE(registry->WriteDword("MODE", 7, Key("VTONE\\notepad").c_str()));
    EXPECT_EQ(SubKeys(*registry, Key("vtone")), std::vector<std::string>{"NOTEPAD"});
    EXPECT_FALSE(registry->EnumValue(1, Key("Vtone\\NOTEPAD").c_str(), nullptr, 0, nullptr, 0));
    std::uint32_t mode = 0;
    EXPECT_TRUE(registry->ReadDword("mode", mode, Key("Vtone\\Notepad").c_str()));
    EXPECT_EQ(mode, 7u);
}

TEST_P(RegistrySuite, ReadDwordTakesAnyValueOfAtMostFourBytes) {
    const std::string key = Key("VSFilter");
    struct Case {
        const char* name;
        std::uint32_t type;
        Bytes stored;
        bool readable;
    };
    const Case cases[] = {
        {"dword", kRegistryDword, {0x78, 0x56, 0x34, 0x12}, true},
        {"one byte binary", kRegistryBinary, {0x01}, true},
        {"four byte binary", kRegistryBinary, {0xF6, 0xFF, 0xFF, 0xFF}, true},
        {"short string", kRegistryString, {'a', 'b', 0}, true},
        {"empty binary", kRegistryBinary, {}, true},
        {"five byte binary", kRegistryBinary, {1, 2, 3, 4, 5}, false},
        {"long string", kRegistryString, {'l', 'o', 'n', 'g', 0}, false},
    };
    ScopedRegistryKey opened(*target.port, key.c_str(), Mode::Create);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(target.port->SetValue(opened.Get(), c.name, c.type, c.stored.data(),
                                        static_cast<std::uint32_t>(c.stored.size())),
                  kRegistrySuccess);
        const std::uint32_t before = 0xA1B2C3D4;
        std::uint32_t value = before;
        EXPECT_EQ(registry->ReadDword(c.name, value, key.c_str()), c.readable);
        // The stored bytes replace the first bytes of the destination; the rest keep theirs.
        auto expected = BytesOf(before);
        if (c.readable)
            std::copy(c.stored.begin(), c.stored.end(), expected.begin());
        EXPECT_EQ(BytesOf(value), expected);
    }
}

TEST_P(RegistrySuite, ReadValueFailsWhenTheValueExceedsTheCapacity) {
    const std::string key = Key("Color");
    Bytes stored(300);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<unsigned char>(i * 7);
    ASSERT_TRUE(registry->WriteBinary("Office", stored.data(), 300, key.c_str()));

    Bytes small(256, 0xEE);
    EXPECT_FALSE(registry->ReadValue("Office", small.data(), small.size(), key.c_str()));
    EXPECT_EQ(small, Bytes(256, 0xEE)) << "a failed read leaves the destination as it was";

    Bytes large(512, 0xEE);
    EXPECT_TRUE(registry->ReadValue("Office", large.data(), large.size(), key.c_str()));
    EXPECT_EQ(Bytes(large.begin(), large.begin() + 300), stored);
    EXPECT_EQ(Bytes(large.begin() + 300, large.end()), Bytes(212, 0xEE));
}

TEST_P(RegistrySuite, ReadsAndDeletesOfMissingThingsFailAndChangeNothing) {
    const std::string key = Key("EyeCare\\Reminder");
    std::uint32_t value = 0xCAFE;
    char text[16] = "default";
    char name[16] = "unchanged";
    auto expectAllFail = [&] {
        EXPECT_FALSE(registry->ReadDword("Hour", value, key.c_str()));
        EXPECT_FALSE(registry->ReadValue("Message", text, sizeof(text), key.c_str()));
        EXPECT_FALSE(registry->EnumValue(1, key.c_str(), name, sizeof(name), nullptr, 0));
        EXPECT_FALSE(registry->EnumSubKey(0, key.c_str(), name, sizeof(name)));
        EXPECT_FALSE(registry->DeleteValue("Hour", key.c_str()));
        EXPECT_FALSE(registry->DeleteSubKey("Reminder", Key("Vtone").c_str()));
    };
    {
        SCOPED_TRACE("missing key");
        expectAllFail();
        EXPECT_FALSE(Exists("EyeCare")) << "reads never create keys";
    }
    ASSERT_TRUE(registry->WriteDword("On", 1, key.c_str()));
    ASSERT_TRUE(registry->WriteDword("Mode", 1, Key("Vtone").c_str()));
    {
        SCOPED_TRACE("missing value");
        expectAllFail();
    }
    EXPECT_EQ(value, 0xCAFEu);
    EXPECT_STREQ(text, "default");
    EXPECT_STREQ(name, "unchanged");
}

TEST_P(RegistrySuite, EnumValueReportsEachValueThenFails) {
    const std::string key = Key("Color");
    const Bytes record(172, 0x5A);
    ASSERT_TRUE(registry->WriteBinary("Office", record.data(), 172, key.c_str()));
    ASSERT_TRUE(registry->WriteDword("Game", 1, key.c_str()));
    ASSERT_TRUE(registry->WriteString("Night", "dim", 4, key.c_str()));

    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < 3; ++i) {
        char name[kRegistryNameCapacity];
        ASSERT_TRUE(registry->EnumValue(i, key.c_str(), name, sizeof(name), nullptr, 0)) << i;
        names.emplace_back(name);
    }
    EXPECT_FALSE(registry->EnumValue(3, key.c_str(), nullptr, 0, nullptr, 0));
    // Windows lists values in the order written, Wine by name.
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Game", "Night", "Office"}));
}

TEST_P(RegistrySuite, EnumValueNeverWritesPastItsDestinations) {
    const std::string key = Key("Color");
    const Bytes record(172, 0x5A);
    ASSERT_TRUE(registry->WriteBinary("LongerName", record.data(), 172, key.c_str()));

    std::array<char, 16> name;
    name.fill('#');
    EXPECT_FALSE(registry->EnumValue(0, key.c_str(), name.data(), 10, nullptr, 0))
        << "ten characters need eleven bytes";
    EXPECT_EQ(std::count(name.begin(), name.end(), '#'), 16);
    EXPECT_TRUE(registry->EnumValue(0, key.c_str(), name.data(), 11, nullptr, 0));
    EXPECT_STREQ(name.data(), "LongerName");

    Bytes data(200, 0xEE);
    EXPECT_FALSE(registry->EnumValue(0, key.c_str(), nullptr, 0, data.data(), 171));
    EXPECT_EQ(data, Bytes(200, 0xEE));
    EXPECT_TRUE(registry->EnumValue(0, key.c_str(), nullptr, 0, data.data(), 172));
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 172), record) << "no terminator added";
    EXPECT_EQ(Bytes(data.begin() + 172, data.end()), Bytes(28, 0xEE));

    // A value larger than the enumeration's data buffer still enumerates without data.
    const Bytes big(kRegistryEnumDataCapacity + 1, 1);
    ASSERT_TRUE(registry->WriteBinary("big", big.data(), static_cast<std::uint32_t>(big.size()),
                                      Key("Big").c_str()));
    Bytes bigData(big.size());
    EXPECT_TRUE(registry->EnumValue(0, Key("Big").c_str(), name.data(), name.size(), nullptr, 0));
    EXPECT_FALSE(
        registry->EnumValue(0, Key("Big").c_str(), nullptr, 0, bigData.data(), bigData.size()));
}

TEST_P(RegistrySuite, EnumSubKeyListsSubKeysInNameOrder) {
    for (const char* app : {"notepad", "EXCEL", "Calc"})
        ASSERT_TRUE(registry->WriteDword("Mode", 1, KeyPath(Key("Vtone"), app).c_str()));
    EXPECT_EQ(SubKeys(*registry, Key("Vtone")),
              (std::vector<std::string>{"Calc", "EXCEL", "notepad"}));
    EXPECT_TRUE(registry->EnumSubKey(2, Key("Vtone").c_str(), nullptr, 0));
    EXPECT_FALSE(registry->EnumSubKey(3, Key("Vtone").c_str(), nullptr, 0));

    std::array<char, 8> name;
    name.fill('#');
    EXPECT_FALSE(registry->EnumSubKey(2, Key("Vtone").c_str(), name.data(), 7));
    EXPECT_EQ(std::count(name.begin(), name.end(), '#'), 8) << "nothing copied";
}

TEST_P(RegistrySuite, DeleteSubKeyRefusesKeysWithSubKeys) {
    ASSERT_TRUE(registry->WriteBinary("On", "\1", 1, Key("EyeCare\\Reminder").c_str()));
    ASSERT_TRUE(registry->WriteString("Model Name", "M1", 3, Key("EyeCare").c_str()));

    EXPECT_FALSE(registry->DeleteSubKey("EyeCare", Key().c_str()));
    EXPECT_FALSE(registry->DeleteSubKey("", Key("EyeCare\\Reminder").c_str()))
        << "an empty name names no sub-key";
    EXPECT_TRUE(Exists("EyeCare\\Reminder"));

    EXPECT_TRUE(registry->DeleteValue("On", Key("EyeCare\\Reminder").c_str()));
    EXPECT_TRUE(registry->DeleteSubKey("Reminder", Key("EyeCare").c_str()));
    EXPECT_TRUE(registry->DeleteSubKey("eyecare", Key().c_str())) << "values do not hold a key";
    EXPECT_FALSE(Exists("EyeCare"));
}

// The port's own answers, which the in-memory registry must give as Windows does.
TEST_P(RegistrySuite, PortReportsErrorsAsWindowsDoes) {
    RegistryPort& port = *target.port;
    ScopedRegistryKey key(port, Key("Color").c_str(), Mode::Create);
    const Bytes record(172, 1);
    ASSERT_EQ(port.SetValue(key.Get(), "Office", kRegistryBinary, record.data(), 172),
              kRegistrySuccess);

    std::uint32_t type = 0, size = 100;
    Bytes buffer(100);
    EXPECT_EQ(port.QueryValue(key.Get(), "Office", &type, buffer.data(), &size), kRegistryMoreData);
    EXPECT_EQ(size, 172u) << "the size needed";
    EXPECT_EQ(port.QueryValue(key.Get(), "Home", nullptr, nullptr, &size), kRegistryNotFound);

    char name[kRegistryNameCapacity];
    std::uint32_t length = sizeof(name);
    EXPECT_EQ(port.EnumValue(key.Get(), 0, name, &length, &type, nullptr, nullptr),
              kRegistrySuccess);
    EXPECT_EQ(length, 6u) << "the name's length without its zero";
    EXPECT_EQ(port.EnumValue(key.Get(), 0, name, &length, nullptr, nullptr, nullptr),
              kRegistryMoreData);
    length = sizeof(name);
    EXPECT_EQ(port.EnumKey(key.Get(), 0, name, &length), kRegistryNoMoreItems);

    RegistryKey leading = nullptr;
    std::string leadingPath = "\\";
    leadingPath += Key("Color");
    EXPECT_EQ(port.OpenKey(leadingPath.c_str(), RegistryAccess::Read, leading),
              kRegistryBadPathname);
    {
        ScopedRegistryKey reading(port, Key("Color").c_str(), Mode::Read);
        std::uint32_t read = sizeof buffer;
        EXPECT_EQ(port.QueryValue(reading.Get(), "Office", nullptr, nullptr, &read),
                  kRegistrySuccess);
        EXPECT_EQ(port.SetValue(reading.Get(), "Office", kRegistryBinary, record.data(), 172),
                  kRegistryAccessDenied)
            << "a key opened for reading changes nothing";
    }

    ASSERT_TRUE(registry->DeleteSubKey("Color", Key().c_str()));
    EXPECT_EQ(port.SetValue(key.Get(), "Office", kRegistryBinary, record.data(), 172),
              kRegistryKeyDeleted);
    EXPECT_FALSE(Exists("Color")) << "writing through a stale handle revives nothing";
}
