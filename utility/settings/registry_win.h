// The settings store's registry port over the real registry of the current user (advapi32).
#pragma once

#include "utility/settings/registry_port.h"

class Win32RegistryPort : public RegistryPort {
  public:
    RegistryStatus CreateKey(const char* subKey, RegistryKey& key) override;
    RegistryStatus OpenKey(const char* subKey, RegistryAccess access, RegistryKey& key) override;
    RegistryStatus SetValue(RegistryKey key, const char* name, std::uint32_t type, const void* data,
                            std::uint32_t size) override;
    RegistryStatus QueryValue(RegistryKey key, const char* name, std::uint32_t* type, void* data,
                              std::uint32_t* size) override;
    RegistryStatus EnumValue(RegistryKey key, std::uint32_t index, char* name,
                             std::uint32_t* nameLength, std::uint32_t* type, void* data,
                             std::uint32_t* size) override;
    RegistryStatus EnumKey(RegistryKey key, std::uint32_t index, char* name,
                           std::uint32_t* nameLength) override;
    RegistryStatus DeleteValue(RegistryKey key, const char* name) override;
    RegistryStatus DeleteKey(RegistryKey key, const char* subKey) override;
    RegistryStatus CloseKey(RegistryKey key) override;
};
