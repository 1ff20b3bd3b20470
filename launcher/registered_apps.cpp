#include "launcher/registered_apps.h"

#include <algorithm>
#include <utility>

void RegisteredApps::Note(const ItemInfo& installer) {
    const std::wstring& name = installer.runValueName;
    if (name.empty() ||
        std::find(m_runValueNames.begin(), m_runValueNames.end(), name) != m_runValueNames.end())
        return;
    m_runValueNames.push_back(name);
}

std::vector<std::wstring> RegisteredApps::Take() {
    return std::exchange(m_runValueNames, {});
}
