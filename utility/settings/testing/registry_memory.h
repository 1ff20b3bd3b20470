// An in-memory registry hive for tests, answering the port's calls as Windows does:
// - key and value names compare without regard to the case of ASCII letters (other bytes
//   compare exactly) and keep the case they were created with;
// - paths are split at "\"; empty parts are skipped, but a leading "\" is a bad path name;
// - creating a key creates its missing parents; opening, querying, enumerating and deleting
//   something missing fail with ERROR_FILE_NOT_FOUND (enumeration past the end with
//   ERROR_NO_MORE_ITEMS);
// - any value type may be queried; a value larger than the buffer fails with ERROR_MORE_DATA,
//   reports the needed size and leaves the buffer untouched (Windows leaves its contents
//   undefined; callers must not use it either way);
// - sub-keys enumerate in case-insensitive name order, as on Windows and under Wine; values
//   in the order they were first written, as on Windows (Wine enumerates them by name);
// - a key with sub-keys cannot be deleted (ERROR_ACCESS_DENIED); an empty sub-key name deletes
//   the open key itself; a deleted key's open handles fail with ERROR_KEY_DELETED.
// Open handles are counted, so a test can tell that every key was closed again.
#pragma once

#include "utility/settings/registry_port.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MemoryRegistry : public RegistryPort {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;

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

    // Keys opened or created and not yet closed.
    std::size_t OpenHandleCount() const { return m_handles.size(); }
    // Makes `path` (created when missing) a key the user may read but not change: it opens for
    // reading only, and nothing can be created, set or deleted in it.
    void MakeReadOnly(const char* path);

  private:
    struct Node;
    struct NameLess {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
    };
    struct Node {
        Node* parent = nullptr;
        std::string name;
        bool deleted = false;
        bool readOnly = false;
        std::vector<Value> values;
        std::map<std::string, std::shared_ptr<Node>, NameLess> subKeys;
    };

    // Follows `path` down from `from`, creating missing keys when `create` is set.
    static RegistryStatus Walk(std::shared_ptr<Node> from, const char* path, bool create,
                               std::shared_ptr<Node>& found);
    RegistryStatus Open(const char* subKey, bool create, RegistryAccess access, RegistryKey& key);
    // The node of an open handle whose key still exists, or the error to return; `change` asks
    // for a handle opened for changing.
    RegistryStatus Usable(RegistryKey key, std::shared_ptr<Node>& node, bool change = false) const;
    static Value* FindValue(Node& node, const char* name);

    std::shared_ptr<Node> m_root;
    // Each handle keeps its node alive, so a deleted key's handle still has something to fail on.
    std::map<std::uintptr_t, std::shared_ptr<Node>> m_handles;
    std::map<std::uintptr_t, RegistryAccess> m_access;
    std::uintptr_t m_nextHandle = 1;
};
