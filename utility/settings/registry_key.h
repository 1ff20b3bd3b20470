// Ownership of one key opened through a RegistryPort: the key is closed when the owner goes.
#pragma once

#include "utility/settings/registry_port.h"

class ScopedRegistryKey {
  public:
    enum class Mode { Read, Change, Create };

    // Opens `subKey` of the current user's hive for reading or for changing; Create creates it,
    // and any missing parents, first. Whether it worked is told by IsOpen.
    ScopedRegistryKey(RegistryPort& port, const char* subKey, Mode mode) : m_port(port) {
        RegistryKey key = nullptr;
        const RegistryStatus status =
            mode == Mode::Create
                ? port.CreateKey(subKey, key)
                : port.OpenKey(
                      subKey, mode == Mode::Read ? RegistryAccess::Read : RegistryAccess::ReadWrite,
                      key);
        if (status == kRegistrySuccess)
            m_key = key;
    }
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;
    ~ScopedRegistryKey() {
        if (m_key != nullptr)
            m_port.CloseKey(m_key);
    }

    bool IsOpen() const { return m_key != nullptr; }
    RegistryKey Get() const { return m_key; }

  private:
    RegistryPort& m_port;
    RegistryKey m_key = nullptr;
};
