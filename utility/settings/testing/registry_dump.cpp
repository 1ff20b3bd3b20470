#include "utility/settings/testing/registry_dump.h"

#include <algorithm>
#include <vector>

namespace {

void DumpKey(RegistryPort& port, const std::string& path, std::vector<char>& data,
             std::string& out) {
    RegistryKey key = nullptr;
    if (port.OpenKey(path.c_str(), RegistryAccess::Read, key) != kRegistrySuccess)
        return;
    std::vector<std::string> values;
    for (std::uint32_t i = 0;; ++i) {
        char name[256];
        std::uint32_t length = sizeof name;
        std::uint32_t type = 0;
        auto size = static_cast<std::uint32_t>(data.size());
        if (port.EnumValue(key, i, name, &length, &type, data.data(), &size) != kRegistrySuccess)
            break;
        values.push_back(std::string(name, length) + "=" + std::to_string(type) + ":" +
                         std::string(data.data(), size) + ";");
    }
    std::sort(values.begin(), values.end());
    out += "[" + path + "]";
    for (const std::string& value : values)
        out += value;
    std::vector<std::string> subKeys;
    for (std::uint32_t i = 0;; ++i) {
        char name[256];
        std::uint32_t length = sizeof name;
        if (port.EnumKey(key, i, name, &length) != kRegistrySuccess)
            break;
        subKeys.emplace_back(name, length);
    }
    port.CloseKey(key);
    for (const std::string& sub : subKeys)
        DumpKey(port, path + "\\" + sub, data, out);
}

} // namespace

std::string DumpRegistry(RegistryPort& port, const std::string& path) {
    // Room for the huge values hostile tests store; made once, since fuzz targets dump twice an
    // input.
    static std::vector<char> data(std::size_t{1} << 21);
    std::string out;
    DumpKey(port, path, data, out);
    return out;
}
