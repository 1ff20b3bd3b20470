// Test support: the shapes a hostile-registry test gives each stored value (absent, of another
// type, too short, without terminator, too long, huge), made from the value as the program
// saves it and the capacity it is read with.
#pragma once

#include "utility/settings/registry_port.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct StoredValue {
    std::string key;
    const char* name;
    std::uint32_t type;
    std::string bytes;
    std::size_t capacity; // what the reader reads at most; a longer value cannot be read
};

// `v` as the four bytes of a little-endian 32-bit value.
inline std::string Le32(std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
}

// Stores `v` under its key as `type` and `bytes`, or only makes the key when `bytes` is null;
// false when the key cannot be made.
inline bool StoreValue(RegistryPort& port, const StoredValue& v, std::uint32_t type,
                       const std::string* bytes) {
    RegistryKey key = nullptr;
    if (port.CreateKey(v.key.c_str(), key) != kRegistrySuccess)
        return false;
    if (bytes)
        port.SetValue(key, v.name, type, bytes->data(), static_cast<std::uint32_t>(bytes->size()));
    port.CloseKey(key);
    return true;
}

struct Shape {
    const char* what;
    bool absent;
    std::uint32_t type; // 0: the saved type
    std::string (*bytes)(const StoredValue&);
};

inline const Shape kShapes[] = {
    {"absent", true, 0, nullptr},
    {"wrong type", false, 7, [](const StoredValue& v) { return v.bytes; }},
    {"empty", false, 0, [](const StoredValue&) { return std::string(); }},
    {"one byte", false, 0, [](const StoredValue&) { return std::string("\x7f"); }},
    {"one short", false, 0,
     [](const StoredValue& v) { return std::string(v.capacity - 1, '\x41'); }},
    {"full, no terminator", false, 0,
     [](const StoredValue& v) { return std::string(v.capacity, '\x42'); }},
    {"one long", false, 0,
     [](const StoredValue& v) { return std::string(v.capacity + 1, '\x43'); }},
    {"huge", false, 0, [](const StoredValue&) { return std::string(1 << 20, '\x44'); }},
};
