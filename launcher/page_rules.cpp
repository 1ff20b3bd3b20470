#include "launcher/page_rules.h"

#include <algorithm>

bool ItemSupportedOn(const ItemInfo& item, OsMask os) {
    if (item.kind == item_kind::kInstaller || item.kind == item_kind::kExecute)
        return (item.installerOsMask & os) != 0;
    if (item.kind == item_kind::kApplication)
        return item.applicationOsMask == 0 || (item.applicationOsMask & os) != 0;
    return true;
}

std::array<ItemButtonPlan, kItemButtonCount> PlanItemButtons(const TabInfo* tab, OsMask os) {
    std::array<ItemButtonPlan, kItemButtonCount> plan{};
    if (!tab)
        return plan;
    for (std::size_t p = 0; p < plan.size() && p < tab->items.size(); ++p) {
        const ItemInfo* item = tab->items[p].get();
        if (!item)
            continue;
        plan[p].item = item;
        plan[p].enabled = ItemSupportedOn(*item, os);
    }
    return plan;
}

std::array<ItemButtonPlan, kSubItemButtonCount> PlanSubItemButtons(const ItemInfo& application,
                                                                   OsMask os) {
    std::array<ItemButtonPlan, kSubItemButtonCount> plan{};
    const auto count = static_cast<std::size_t>(SubItemButtonCount(application));
    for (std::size_t p = 0; p < count; ++p) {
        const ItemInfo* item = application.subItems[p].get();
        if (!item)
            continue;
        plan[p].item = item;
        const bool checked =
            item->kind == item_kind::kInstaller || item->kind == item_kind::kExecute;
        plan[p].enabled = !checked || (item->installerOsMask & os) != 0;
    }
    return plan;
}

int SubItemButtonCount(const ItemInfo& application) {
    return static_cast<int>(
        std::min(application.subItems.size(), static_cast<std::size_t>(kSubItemButtonCount)));
}

const TabInfo* FindTabOfKind(const TabList& tabs, TabKind kind) {
    for (const auto& tab : tabs) {
        if (tab && tab->kind == kind)
            return tab.get();
    }
    return nullptr;
}

int PageIndexOfKind(long long kind) {
    return kind >= 0 && kind < kPageCount ? static_cast<int>(kind) : -1;
}

bool IsItemPageKind(long long kind) {
    return kind >= static_cast<int>(TabKind::Manual) && kind <= static_cast<int>(TabKind::Utility);
}

bool ShouldResetHoverOnDeactivate(bool subDialogOpen, bool selectionDialogOpen, int tabCount,
                                  long long currentKind) {
    return !subDialogOpen && !selectionDialogOpen && tabCount > 0 && IsItemPageKind(currentKind);
}
