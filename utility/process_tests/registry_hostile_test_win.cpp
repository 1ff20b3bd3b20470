// The real DimoraDdcci.exe started over a registry where every value it reads is hostile: of
// another type, empty, one byte short or long of what is read, huge, or a text without its
// terminator. The program must start, find the monitor, run and end normally, and the registry
// must afterwards hold exactly what it held before, but for the defaults the Auto Veltone page
// writes in place of an unreadable switch and an application entry whose data name it cannot read.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/ui/user_messages.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace utility_process;

const std::string kRoot = kRootKey;

struct Hostile {
    std::string key; // below the root key; empty for the root itself
    const char* name;
    DWORD type;
    std::string bytes;
};

std::string Bytes(std::size_t count, char fill) {
    return std::string(count, fill);
}

const std::vector<Hostile>& HostileValues() {
    static const std::vector<Hostile> values = {
        {"", "NoTopmost", REG_BINARY, Bytes(100'000, '\x01')},   // huge: on top
        {"", "ModeChange", REG_SZ, "x"},                         // one byte, another type
        {"", "MonIndepend", REG_DWORD, Bytes(5, '\x01')},        // one long: rewritten as 0
        {"", "DefMode", REG_DWORD, ""},                          // empty
        {"", "DefModeName", REG_SZ, Bytes(261, 'n')},            // one long, no terminator
        {"Vtone\\HOSTILE", "Mode", REG_BINARY, "\xff"},          // one byte: data mode
        {"Vtone\\HOSTILE", "ModeName", REG_SZ, Bytes(513, 'm')}, // one long: entry removed
        {"Vtone\\SHORT", "Mode", REG_DWORD, "\x02\x00\x00"},     // one short
        {"Color", "Short", REG_BINARY, Bytes(171, '\x01')},      // one short of a record
        {"Color", "Long", REG_BINARY, Bytes(173, '\x01')},       // one long
        {"Color", "Huge", REG_BINARY, Bytes(70'000, '\x01')},
        {"EyeCare", "Display Name", REG_SZ, Bytes(256, 'd')}, // full, no terminator
        {"EyeCare", "Model Name", REG_BINARY, Bytes(257, 'm')},
        {"EyeCare", "Serial Num", REG_DWORD, ""},
        {"EyeCare\\Reminder", "On", REG_BINARY, Bytes(100'000, '\x01')},
        {"EyeCare\\Reminder", "Hour", REG_DWORD, "\xff\xff\xff\xff"},
        {"EyeCare\\Reminder", "Message", REG_SZ, Bytes(256, 'x')},
        {"VSFilter", "On", REG_BINARY, "\x01"},
        {"VSFilter", "FileType", REG_DWORD, Bytes(7, '\x02')},
        {"VSFilter", "FilePath", REG_SZ, Bytes(261, 'p')},
        {"VSFilter", "Alpha", REG_DWORD, ""},
        {"VSFilter", "Luminance", REG_SZ, "\x7f\x7f\x7f"},
        {"Hotkeys", "BrightnessUp", REG_BINARY, Bytes(5, '\x70')},           // one long: no key
        {"Hotkeys", "NextMode", REG_SZ, std::string("\x71\x03\x00\x00", 4)}, // another type
        {"Hotkeys", "Step", REG_DWORD, "\xff\xff\xff\xff"},                  // beyond the range
        {"Hotkeys", "Monitor", REG_DWORD, "\x07"},          // one byte, out of range
        {"Hotkeys", "FilterPath", REG_SZ, Bytes(261, 'p')}, // one long, no terminator
    };
    return values;
}

std::string KeyOf(const Hostile& value) {
    return value.key.empty() ? kRoot : kRoot + "\\" + value.key;
}

void Store(const Hostile& value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, KeyOf(value).c_str(), 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, value.name, 0, value.type,
                     reinterpret_cast<const BYTE*>(value.bytes.data()),
                     static_cast<DWORD>(value.bytes.size()));
    ::RegCloseKey(key);
}

// Every value below `path` by key and name (names compared in upper case, as the registry
// does): its type and bytes.
using Contents = std::map<std::string, std::string>;

void Read(const std::string& path, Contents& out) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    std::vector<char> data(1 << 20);
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        if (::RegEnumValueA(key, i, name, &nameLength, nullptr, &type,
                            reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
            break;
        std::string id = path + "|" + std::string(name, nameLength);
        std::transform(id.begin(), id.end(), id.begin(), ::toupper);
        out[id] = std::to_string(type) + ":" + std::string(data.data(), size);
    }
    std::vector<std::string> subKeys;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subKeys.emplace_back(name, nameLength);
    }
    ::RegCloseKey(key);
    for (const auto& sub : subKeys)
        Read(path + "\\" + sub, out);
}

Contents Registry() {
    Contents contents;
    Read(kRoot, contents);
    return contents;
}

std::string Id(const std::string& key, const char* name) {
    std::string id = key + "|" + name;
    std::transform(id.begin(), id.end(), id.begin(), ::toupper);
    return id;
}

TEST(RegistryHostileProcess, StartsRunsAndEndsWritingOnlyTheDefaultsItMeans) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kRootKey);
    for (const Hostile& value : HostileValues())
        Store(value);
    const Contents before = Registry();
    ASSERT_EQ(before.size(), HostileValues().size());

    {
        Utility utility("typical.txt");
        ASSERT_TRUE(utility.started());
        ASSERT_NE(utility.Main(), nullptr) << "the program started";
        EXPECT_EQ(utility.Query(kQueryReady), 1);
        EXPECT_EQ(utility.Query(kQueryMonitorCount), 1);
        EXPECT_EQ(utility.Query(kQueryTrayState), 1) << "coloured icon: the monitor is usable";
        EXPECT_EQ(utility.Query(kQueryKeepOnTop), 1) << "an unreadable NoTopmost: on top";
        utility.ShowSettings();
        EXPECT_EQ(utility.Query(kQueryMainShown), 1);
        EXPECT_EQ(utility.Exit(), 0u);
    }

    Contents expected = before;
    expected[Id(kRoot, "MonIndepend")] = std::to_string(REG_DWORD) + ":" + std::string(4, '\0');
    expected.erase(Id(kRoot + "\\Vtone\\HOSTILE", "Mode"));
    expected.erase(Id(kRoot + "\\Vtone\\HOSTILE", "ModeName"));
    const Contents after = Registry();
    for (const auto& [id, value] : expected) {
        const auto found = after.find(id);
        EXPECT_TRUE(found != after.end() && found->second == value) << id << " changed";
    }
    for (const auto& [id, value] : after)
        EXPECT_TRUE(expected.count(id)) << id << " was written";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kRootKey);
}

} // namespace
