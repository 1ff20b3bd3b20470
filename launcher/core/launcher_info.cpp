#include "launcher/core/launcher_info.h"

namespace {

// Frees the owned objects front to back, then empties the list: a vector's own destruction
// leaves the order to the library.
template <typename T> void ReleaseInOrder(std::vector<std::unique_ptr<T>>& list) {
    for (auto& element : list)
        element.reset();
    list.clear();
}

} // namespace

ItemInfo::~ItemInfo() {
    ReleaseInOrder(files);
    ReleaseInOrder(subItems);
}

TabInfo::~TabInfo() {
    ReleaseInOrder(items);
}

void ReleaseTabs(TabList& tabs) {
    ReleaseInOrder(tabs);
}
