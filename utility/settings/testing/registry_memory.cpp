#include "utility/settings/testing/registry_memory.h"

#include <algorithm>
#include <cstring>

namespace {

char FoldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(x) == FoldAscii(y);
           });
}

// Copies `name` with its zero into a buffer of `*capacity` characters; on success `*capacity`
// becomes the name's length without the zero.
RegistryStatus CopyName(const std::string& name, char* buffer, std::uint32_t* capacity) {
    if (buffer == nullptr || capacity == nullptr)
        return kRegistryInvalidParameter;
    if (name.size() + 1 > *capacity)
        return kRegistryMoreData;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *capacity = static_cast<std::uint32_t>(name.size());
    return kRegistrySuccess;
}

// Copies `data` into a buffer of `*size` bytes, as RegQueryValueExA does: without a buffer only
// the size is reported; a buffer that is too small gets nothing.
RegistryStatus CopyData(const std::vector<unsigned char>& data, void* buffer, std::uint32_t* size) {
    if (buffer != nullptr && size == nullptr)
        return kRegistryInvalidParameter;
    RegistryStatus status = kRegistrySuccess;
    if (buffer != nullptr) {
        if (data.size() > *size)
            status = kRegistryMoreData;
        else if (!data.empty())
            std::memcpy(buffer, data.data(), data.size());
    }
    if (size != nullptr)
        *size = static_cast<std::uint32_t>(data.size());
    return status;
}

} // namespace

bool MemoryRegistry::NameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
    });
}

MemoryRegistry::MemoryRegistry() : m_root(std::make_shared<Node>()) {}

MemoryRegistry::~MemoryRegistry() = default;

RegistryStatus MemoryRegistry::Walk(std::shared_ptr<Node> from, const char* path, bool create,
                                    std::shared_ptr<Node>& found) {
    std::string_view rest = path != nullptr ? path : "";
    if (!rest.empty() && rest.front() == '\\')
        return kRegistryBadPathname;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('\\');
        const std::string_view part = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        if (part.empty())
            continue;
        auto child = from->subKeys.find(std::string(part));
        if (child == from->subKeys.end()) {
            if (!create)
                return kRegistryNotFound;
            auto node = std::make_shared<Node>();
            node->parent = from.get();
            node->name = std::string(part);
            child = from->subKeys.emplace(node->name, node).first;
        }
        from = child->second;
    }
    found = std::move(from);
    return kRegistrySuccess;
}

RegistryStatus MemoryRegistry::Open(const char* subKey, bool create, RegistryAccess access,
                                    RegistryKey& key) {
    std::shared_ptr<Node> node;
    // A read-only key may not gain sub-keys either: creating looks before it makes anything.
    RegistryStatus status = Walk(m_root, subKey, false, node);
    if (status == kRegistryNotFound && create) {
        std::shared_ptr<Node> parent;
        const std::string path = subKey != nullptr ? subKey : "";
        const std::size_t cut = path.find_last_of('\\');
        if (Walk(m_root, cut == std::string::npos ? "" : path.substr(0, cut).c_str(), false,
                 parent) == kRegistrySuccess &&
            parent->readOnly)
            return kRegistryAccessDenied;
        status = Walk(m_root, subKey, true, node);
    }
    if (status != kRegistrySuccess)
        return status;
    if (access == RegistryAccess::ReadWrite && node->readOnly)
        return kRegistryAccessDenied;
    const std::uintptr_t handle = m_nextHandle++;
    m_handles.emplace(handle, std::move(node));
    m_access.emplace(handle, access);
    key = reinterpret_cast<RegistryKey>(handle);
    return kRegistrySuccess;
}

RegistryStatus MemoryRegistry::CreateKey(const char* subKey, RegistryKey& key) {
    return Open(subKey, true, RegistryAccess::ReadWrite, key);
}

RegistryStatus MemoryRegistry::OpenKey(const char* subKey, RegistryAccess access,
                                       RegistryKey& key) {
    return Open(subKey, false, access, key);
}

void MemoryRegistry::MakeReadOnly(const char* path) {
    std::shared_ptr<Node> node;
    if (Walk(m_root, path, true, node) == kRegistrySuccess)
        node->readOnly = true;
}

RegistryStatus MemoryRegistry::Usable(RegistryKey key, std::shared_ptr<Node>& node,
                                      bool change) const {
    const auto id = reinterpret_cast<std::uintptr_t>(key);
    const auto found = m_handles.find(id);
    if (found == m_handles.end())
        return kRegistryInvalidHandle;
    if (found->second->deleted)
        return kRegistryKeyDeleted;
    if (change && m_access.at(id) != RegistryAccess::ReadWrite)
        return kRegistryAccessDenied;
    node = found->second;
    return kRegistrySuccess;
}

MemoryRegistry::Value* MemoryRegistry::FindValue(Node& node, const char* name) {
    const std::string_view wanted = name != nullptr ? name : "";
    for (Value& value : node.values)
        if (SameName(value.name, wanted))
            return &value;
    return nullptr;
}

RegistryStatus MemoryRegistry::SetValue(RegistryKey key, const char* name, std::uint32_t type,
                                        const void* data, std::uint32_t size) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node, true); status != kRegistrySuccess)
        return status;
    if (data == nullptr && size != 0)
        return kRegistryInvalidParameter;
    Value* value = FindValue(*node, name);
    if (value == nullptr) {
        // A new value goes last; a replaced one keeps its place and its name's case.
        node->values.push_back(Value{name != nullptr ? name : "", 0, {}});
        value = &node->values.back();
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    value->type = type;
    value->data.assign(bytes, bytes + size);
    return kRegistrySuccess;
}

RegistryStatus MemoryRegistry::QueryValue(RegistryKey key, const char* name, std::uint32_t* type,
                                          void* data, std::uint32_t* size) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node); status != kRegistrySuccess)
        return status;
    const Value* value = FindValue(*node, name);
    if (value == nullptr)
        return kRegistryNotFound;
    if (type != nullptr)
        *type = value->type;
    return CopyData(value->data, data, size);
}

RegistryStatus MemoryRegistry::EnumValue(RegistryKey key, std::uint32_t index, char* name,
                                         std::uint32_t* nameLength, std::uint32_t* type, void* data,
                                         std::uint32_t* size) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node); status != kRegistrySuccess)
        return status;
    if (data != nullptr && size == nullptr)
        return kRegistryInvalidParameter;
    if (index >= node->values.size())
        return kRegistryNoMoreItems;
    const Value& value = node->values[index];
    // Both buffers are checked before either is written, so a failure leaves both untouched.
    if (data != nullptr && value.data.size() > *size)
        return kRegistryMoreData;
    if (const RegistryStatus status = CopyName(value.name, name, nameLength);
        status != kRegistrySuccess)
        return status;
    if (type != nullptr)
        *type = value.type;
    return CopyData(value.data, data, size);
}

RegistryStatus MemoryRegistry::EnumKey(RegistryKey key, std::uint32_t index, char* name,
                                       std::uint32_t* nameLength) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node); status != kRegistrySuccess)
        return status;
    if (index >= node->subKeys.size())
        return kRegistryNoMoreItems;
    const auto child = std::next(node->subKeys.begin(), index);
    return CopyName(child->second->name, name, nameLength);
}

RegistryStatus MemoryRegistry::DeleteValue(RegistryKey key, const char* name) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node, true); status != kRegistrySuccess)
        return status;
    const Value* value = FindValue(*node, name);
    if (value == nullptr)
        return kRegistryNotFound;
    node->values.erase(node->values.begin() + (value - node->values.data()));
    return kRegistrySuccess;
}

RegistryStatus MemoryRegistry::DeleteKey(RegistryKey key, const char* subKey) {
    std::shared_ptr<Node> node;
    if (const RegistryStatus status = Usable(key, node, true); status != kRegistrySuccess)
        return status;
    std::shared_ptr<Node> target;
    if (const RegistryStatus status = Walk(node, subKey, false, target); status != kRegistrySuccess)
        return status;
    // The hive itself cannot go, nor a key that still has sub-keys, nor a read-only one.
    if (target->parent == nullptr || !target->subKeys.empty() || target->readOnly)
        return kRegistryAccessDenied;
    target->deleted = true;
    Node* parent = target->parent;
    target->parent = nullptr;
    parent->subKeys.erase(target->name);
    return kRegistrySuccess;
}

RegistryStatus MemoryRegistry::CloseKey(RegistryKey key) {
    m_access.erase(reinterpret_cast<std::uintptr_t>(key));
    return m_handles.erase(reinterpret_cast<std::uintptr_t>(key)) != 0 ? kRegistrySuccess
                                                                       : kRegistryInvalidHandle;
}
