#include "utility/settings/registry.h"

#include "utility/settings/registry_key.h"

#include <cstring>
#include <vector>

using Mode = ScopedRegistryKey::Mode;

bool CRegistry::Write(const char* valueName, std::uint32_t type, const void* data,
                      std::uint32_t size, const char* key) const {
    ScopedRegistryKey opened(m_registryPort, key, Mode::Create);
    if (!opened.IsOpen())
        return false;
    return m_registryPort.SetValue(opened.Get(), valueName, type, data, size) == kRegistrySuccess;
}

bool CRegistry::WriteDword(const char* valueName, std::uint32_t value, const char* key) const {
    // REG_DWORD is little-endian, as the number is in memory on every target.
    return Write(valueName, kRegistryDword, &value, sizeof(value), key);
}

bool CRegistry::WriteString(const char* valueName, const char* text, std::uint32_t byteCount,
                            const char* key) const {
    return Write(valueName, kRegistryString, text, byteCount, key);
}

bool CRegistry::WriteBinary(const char* valueName, const void* bytes, std::uint32_t byteCount,
                            const char* key) const {
    return Write(valueName, kRegistryBinary, bytes, byteCount, key);
}

bool CRegistry::ReadDword(const char* valueName, std::uint32_t& value, const char* key) const {
    return ReadValue(valueName, &value, sizeof(value), key);
}

bool CRegistry::ReadValue(const char* valueName, void* destination, std::size_t capacity,
                          const char* key) const {
    ScopedRegistryKey opened(m_registryPort, key, Mode::Read);
    if (!opened.IsOpen() || destination == nullptr || capacity > UINT32_MAX)
        return false;
    // The value is read into a buffer of our own: after a failed call (a value too large) the
    // platform leaves the buffer undefined, and the caller's default must survive that.
    std::vector<unsigned char> buffer(capacity);
    auto size = static_cast<std::uint32_t>(capacity);
    if (m_registryPort.QueryValue(opened.Get(), valueName, nullptr, buffer.data(), &size) !=
            kRegistrySuccess ||
        size > capacity)
        return false;
    if (size > 0)
        std::memcpy(destination, buffer.data(), size);
    return true;
}

bool CRegistry::EnumValue(std::uint32_t index, const char* key, char* name,
                          std::size_t nameCapacity, void* data, std::size_t dataCapacity) const {
    ScopedRegistryKey opened(m_registryPort, key, Mode::Read);
    if (!opened.IsOpen())
        return false;
    char nameBuffer[kRegistryNameCapacity];
    std::uint32_t nameLength = kRegistryNameCapacity;
    // Without a data destination no data buffer is passed, so a value of any size enumerates
    // and one large value cannot end the caller's enumeration early.
    std::vector<unsigned char> dataBuffer(data != nullptr ? kRegistryEnumDataCapacity : 0);
    std::uint32_t dataSize = static_cast<std::uint32_t>(dataBuffer.size());
    if (m_registryPort.EnumValue(opened.Get(), index, nameBuffer, &nameLength, nullptr,
                                 data != nullptr ? dataBuffer.data() : nullptr,
                                 data != nullptr ? &dataSize : nullptr) != kRegistrySuccess)
        return false;
    if (nameLength >= kRegistryNameCapacity || dataSize > dataBuffer.size())
        return false;
    // Nothing is copied unless all of it fits: a cut name would name another value.
    if ((name != nullptr && nameLength + 1 > nameCapacity) ||
        (data != nullptr && dataSize > dataCapacity))
        return false;
    if (name != nullptr) {
        std::memcpy(name, nameBuffer, nameLength);
        name[nameLength] = '\0';
    }
    if (data != nullptr && dataSize > 0)
        std::memcpy(data, dataBuffer.data(), dataSize);
    return true;
}

bool CRegistry::EnumSubKey(std::uint32_t index, const char* key, char* name,
                           std::size_t nameCapacity) const {
    ScopedRegistryKey opened(m_registryPort, key, Mode::Read);
    if (!opened.IsOpen())
        return false;
    char nameBuffer[kRegistryNameCapacity];
    std::uint32_t nameLength = kRegistryNameCapacity;
    if (m_registryPort.EnumKey(opened.Get(), index, nameBuffer, &nameLength) != kRegistrySuccess ||
        nameLength >= kRegistryNameCapacity)
        return false;
    if (name == nullptr)
        return true;
    if (nameLength + 1 > nameCapacity)
        return false;
    std::memcpy(name, nameBuffer, nameLength);
    name[nameLength] = '\0';
    return true;
}

bool CRegistry::DeleteValue(const char* valueName, const char* key) const {
    ScopedRegistryKey opened(m_registryPort, key, Mode::Change);
    if (!opened.IsOpen())
        return false;
    return m_registryPort.DeleteValue(opened.Get(), valueName) == kRegistrySuccess;
}

bool CRegistry::DeleteSubKey(const char* subKeyName, const char* key) const {
    if (subKeyName == nullptr || *subKeyName == '\0')
        return false;
    ScopedRegistryKey opened(m_registryPort, key, Mode::Change);
    if (!opened.IsOpen())
        return false;
    return m_registryPort.DeleteKey(opened.Get(), subKeyName) == kRegistrySuccess;
}
