// The registry calls of the settings store, on the current user's hive. Like the other ports it
// mirrors the platform calls one to one and holds no logic: results are the platform's error
// codes, sizes are in bytes and name lengths in characters, as the calls define them.
#pragma once

#include <cstdint>

// An open registry key (an HKEY); null when none was opened.
using RegistryKey = void*;

// A registry call's result: 0 on success, otherwise a system error code.
using RegistryStatus = std::int32_t;

inline constexpr RegistryStatus kRegistrySuccess = 0;           // ERROR_SUCCESS
inline constexpr RegistryStatus kRegistryNotFound = 2;          // ERROR_FILE_NOT_FOUND
inline constexpr RegistryStatus kRegistryAccessDenied = 5;      // ERROR_ACCESS_DENIED
inline constexpr RegistryStatus kRegistryInvalidHandle = 6;     // ERROR_INVALID_HANDLE
inline constexpr RegistryStatus kRegistryInvalidParameter = 87; // ERROR_INVALID_PARAMETER
inline constexpr RegistryStatus kRegistryBadPathname = 161;     // ERROR_BAD_PATHNAME
inline constexpr RegistryStatus kRegistryMoreData = 234;        // ERROR_MORE_DATA
inline constexpr RegistryStatus kRegistryNoMoreItems = 259;     // ERROR_NO_MORE_ITEMS
inline constexpr RegistryStatus kRegistryKeyDeleted = 1018;     // ERROR_KEY_DELETED

// Value types.
inline constexpr std::uint32_t kRegistryString = 1; // REG_SZ
inline constexpr std::uint32_t kRegistryBinary = 3; // REG_BINARY
inline constexpr std::uint32_t kRegistryDword = 4;  // REG_DWORD (little-endian)

// What an opened key is used for: reading only (KEY_READ), or reading and changing
// (KEY_ALL_ACCESS). A key the user may read but not change opens for reading.
enum class RegistryAccess { Read, ReadWrite };

class RegistryPort {
  public:
    virtual ~RegistryPort() = default;

    // RegCreateKeyExA(HKEY_CURRENT_USER, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
    // KEY_ALL_ACCESS, nullptr, &key, nullptr): opens the key, creating it and any missing
    // parents first.
    virtual RegistryStatus CreateKey(const char* subKey, RegistryKey& key) = 0;
    // RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ or KEY_ALL_ACCESS, &key).
    virtual RegistryStatus OpenKey(const char* subKey, RegistryAccess access, RegistryKey& key) = 0;
    // RegSetValueExA(key, name, 0, type, data, size).
    virtual RegistryStatus SetValue(RegistryKey key, const char* name, std::uint32_t type,
                                    const void* data, std::uint32_t size) = 0;
    // RegQueryValueExA(key, name, nullptr, type, data, size): `size` holds the capacity of
    // `data` on the way in and the value's length on the way out. `type` and `data` may be null.
    virtual RegistryStatus QueryValue(RegistryKey key, const char* name, std::uint32_t* type,
                                      void* data, std::uint32_t* size) = 0;
    // RegEnumValueA(key, index, name, nameLength, nullptr, type, data, size): `nameLength` is
    // the capacity of `name` in characters with its zero on the way in, the name's length
    // without it on the way out. `type`, `data` and `size` may be null.
    virtual RegistryStatus EnumValue(RegistryKey key, std::uint32_t index, char* name,
                                     std::uint32_t* nameLength, std::uint32_t* type, void* data,
                                     std::uint32_t* size) = 0;
    // RegEnumKeyExA(key, index, name, nameLength, nullptr, nullptr, nullptr, nullptr), with
    // `nameLength` as for EnumValue.
    virtual RegistryStatus EnumKey(RegistryKey key, std::uint32_t index, char* name,
                                   std::uint32_t* nameLength) = 0;
    // RegDeleteValueA(key, name).
    virtual RegistryStatus DeleteValue(RegistryKey key, const char* name) = 0;
    // RegDeleteKeyA(key, subKey).
    virtual RegistryStatus DeleteKey(RegistryKey key, const char* subKey) = 0;
    // RegCloseKey(key).
    virtual RegistryStatus CloseKey(RegistryKey key) = 0;
};
