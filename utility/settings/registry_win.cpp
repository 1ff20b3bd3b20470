#include "utility/settings/registry_win.h"

#include <windows.h>

#include <type_traits>

static_assert(kRegistrySuccess == ERROR_SUCCESS);
static_assert(kRegistryNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kRegistryAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kRegistryInvalidHandle == ERROR_INVALID_HANDLE);
static_assert(kRegistryInvalidParameter == ERROR_INVALID_PARAMETER);
static_assert(kRegistryBadPathname == ERROR_BAD_PATHNAME);
static_assert(kRegistryMoreData == ERROR_MORE_DATA);
static_assert(kRegistryNoMoreItems == ERROR_NO_MORE_ITEMS);
static_assert(kRegistryKeyDeleted == ERROR_KEY_DELETED);
static_assert(kRegistryString == REG_SZ && kRegistryBinary == REG_BINARY &&
              kRegistryDword == REG_DWORD);
static_assert(std::is_pointer_v<HKEY> && sizeof(HKEY) == sizeof(RegistryKey));

namespace {

HKEY Native(RegistryKey key) {
    return static_cast<HKEY>(key);
}

// A DWORD in/out argument for a std::uint32_t one that may be null: DWORD is unsigned long,
// a distinct type of the same size, so the value goes through a local and back.
class DwordArgument {
  public:
    explicit DwordArgument(std::uint32_t* value) : m_value(value), m_dword(value ? *value : 0) {}
    DwordArgument(const DwordArgument&) = delete;
    DwordArgument& operator=(const DwordArgument&) = delete;
    ~DwordArgument() {
        if (m_value != nullptr)
            *m_value = static_cast<std::uint32_t>(m_dword);
    }
    DWORD* Get() { return m_value != nullptr ? &m_dword : nullptr; }

  private:
    std::uint32_t* m_value;
    DWORD m_dword;
};

} // namespace

RegistryStatus Win32RegistryPort::CreateKey(const char* subKey, RegistryKey& key) {
    // The caller owns the key from here on (ScopedRegistryKey closes it).
    HKEY opened = nullptr;
    const LONG status =
        ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    if (status == ERROR_SUCCESS)
        key = opened;
    return status;
}

RegistryStatus Win32RegistryPort::OpenKey(const char* subKey, RegistryAccess access,
                                          RegistryKey& key) {
    HKEY opened = nullptr;
    const REGSAM rights = access == RegistryAccess::Read ? KEY_READ : KEY_ALL_ACCESS;
    const LONG status = ::RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, rights, &opened);
    if (status == ERROR_SUCCESS)
        key = opened;
    return status;
}

RegistryStatus Win32RegistryPort::SetValue(RegistryKey key, const char* name, std::uint32_t type,
                                           const void* data, std::uint32_t size) {
    return ::RegSetValueExA(Native(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

RegistryStatus Win32RegistryPort::QueryValue(RegistryKey key, const char* name, std::uint32_t* type,
                                             void* data, std::uint32_t* size) {
    DwordArgument typeArgument(type);
    DwordArgument sizeArgument(size);
    return ::RegQueryValueExA(Native(key), name, nullptr, typeArgument.Get(),
                              static_cast<BYTE*>(data), sizeArgument.Get());
}

RegistryStatus Win32RegistryPort::EnumValue(RegistryKey key, std::uint32_t index, char* name,
                                            std::uint32_t* nameLength, std::uint32_t* type,
                                            void* data, std::uint32_t* size) {
    DwordArgument nameArgument(nameLength);
    DwordArgument typeArgument(type);
    DwordArgument sizeArgument(size);
    return ::RegEnumValueA(Native(key), index, name, nameArgument.Get(), nullptr,
                           typeArgument.Get(), static_cast<BYTE*>(data), sizeArgument.Get());
}

RegistryStatus Win32RegistryPort::EnumKey(RegistryKey key, std::uint32_t index, char* name,
                                          std::uint32_t* nameLength) {
    DwordArgument nameArgument(nameLength);
    return ::RegEnumKeyExA(Native(key), index, name, nameArgument.Get(), nullptr, nullptr, nullptr,
                           nullptr);
}

RegistryStatus Win32RegistryPort::DeleteValue(RegistryKey key, const char* name) {
    return ::RegDeleteValueA(Native(key), name);
}

RegistryStatus Win32RegistryPort::DeleteKey(RegistryKey key, const char* subKey) {
    return ::RegDeleteKeyA(Native(key), subKey);
}

RegistryStatus Win32RegistryPort::CloseKey(RegistryKey key) {
    return ::RegCloseKey(Native(key));
}
