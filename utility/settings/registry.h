// The settings store: nine registry operations on the current user's hive. Each opens the key
// the caller names by its full path (a write creates it, with any missing parents), makes one
// registry call, closes the key and tells whether the call succeeded. Nothing is kept between
// calls and nothing is shown to the user.
//
// A model that keeps settings holds a CRegistry member over the registry port it is given, and
// the helpers that read or write a group of settings take a CRegistry. It reaches the registry
// through the port given to its constructor: the program passes its one real port (the
// application object owns it and hands it to the main window, which hands it to its pages and
// dialogs), tests an in-memory one. An explicit argument rather than a program-wide port keeps
// every user's dependency visible and lets tests run side by side.
//
// A read that fails leaves its destination exactly as it was, whatever the reason (missing key
// or value, value too large), so callers pre-fill their defaults.
#pragma once

#include "utility/settings/registry_port.h"

#include <cstddef>
#include <cstdint>

// What EnumValue and EnumSubKey read at most: 255 name characters plus the zero, and 2048 data
// bytes. Destinations of these sizes take every entry the enumeration can return.
inline constexpr std::size_t kRegistryNameCapacity = 256;
inline constexpr std::size_t kRegistryEnumDataCapacity = 2048;

class CRegistry {
  public:
    explicit CRegistry(RegistryPort& port) : m_registryPort(port) {}
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;
    virtual ~CRegistry() = default;

    // Stores a 4-byte number (REG_DWORD).
    bool WriteDword(const char* valueName, std::uint32_t value, const char* key) const;
    // Stores `byteCount` bytes of `text` as a string (REG_SZ); callers pass the length plus one
    // so that the terminating zero is stored too.
    bool WriteString(const char* valueName, const char* text, std::uint32_t byteCount,
                     const char* key) const;
    // Stores `byteCount` bytes as a binary value (REG_BINARY).
    bool WriteBinary(const char* valueName, const void* bytes, std::uint32_t byteCount,
                     const char* key) const;

    // Reads a value of at most 4 bytes, whatever its type, into the first bytes of `value`
    // (a 1-byte binary value sets only the first byte). A longer value fails.
    bool ReadDword(const char* valueName, std::uint32_t& value, const char* key) const;
    // Reads a value of at most `capacity` bytes, whatever its type, into the first bytes of
    // `destination`. A larger value fails.
    bool ReadValue(const char* valueName, void* destination, std::size_t capacity,
                   const char* key) const;

    // The value at `index` of `key`: its name, with a zero, into `name` and its bytes (no zero
    // added) into `data`, each only when given. False when there is no value at `index`, and
    // also when the name (with its zero) or the data do not fit the capacities given: then
    // neither destination is touched. Destinations of kRegistryNameCapacity and
    // kRegistryEnumDataCapacity take every value that can be enumerated. Without a data
    // destination a value of any size enumerates. Callers count `index` up from 0 until false.
    bool EnumValue(std::uint32_t index, const char* key, char* name, std::size_t nameCapacity,
                   void* data, std::size_t dataCapacity) const;
    // The name of the sub-key at `index` of `key`, with a zero, into `name` when given. False
    // when there is no sub-key at `index`, or when the name does not fit `nameCapacity` (then
    // `name` is not touched).
    bool EnumSubKey(std::uint32_t index, const char* key, char* name,
                    std::size_t nameCapacity) const;

    bool DeleteValue(const char* valueName, const char* key) const;
    // Deletes the sub-key `subKeyName` of `key`; it fails while that sub-key has sub-keys of
    // its own, and for an empty name (which would name `key` itself).
    bool DeleteSubKey(const char* subKeyName, const char* key) const;

  private:
    bool Write(const char* valueName, std::uint32_t type, const void* data, std::uint32_t size,
               const char* key) const;

    RegistryPort& m_registryPort;
};
