#include "launcher/page_rules.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<ItemInfo> Item(std::wstring_view kind, OsMask installer = 0,
                               OsMask application = 0) {
    auto item = std::make_unique<ItemInfo>();
    item->title = std::wstring(kind) + L" item";
    item->kind = kind;
    item->installerOsMask = installer;
    item->applicationOsMask = application;
    return item;
}

std::unique_ptr<TabInfo> Tab(TabKind kind, std::wstring title) {
    auto tab = std::make_unique<TabInfo>();
    tab->kind = kind;
    tab->title = std::move(title);
    return tab;
}

constexpr OsMask kWin7_64 = os_mask::kWindows7_64;

TEST(ItemSupportedOn, InstallerAndExecuteNeedTheirSystemNamed) {
    for (std::wstring_view kind : {item_kind::kInstaller, item_kind::kExecute}) {
        SCOPED_TRACE(std::string(kind.begin(), kind.end()));
        EXPECT_TRUE(ItemSupportedOn(*Item(kind, 0x600), kWin7_64));
        EXPECT_FALSE(ItemSupportedOn(*Item(kind, os_mask::kWindows7_32), kWin7_64))
            << "the other bitness of the same system";
        EXPECT_FALSE(ItemSupportedOn(*Item(kind, 0), kWin7_64)) << "no systems named: none";
        EXPECT_FALSE(ItemSupportedOn(*Item(kind, 0x7FF), 0)) << "unknown running system";
    }
}

TEST(ItemSupportedOn, ApplicationWithoutSystemsIsAlwaysUsable) {
    EXPECT_TRUE(ItemSupportedOn(*Item(item_kind::kApplication, 0, 0), kWin7_64));
    EXPECT_TRUE(ItemSupportedOn(*Item(item_kind::kApplication, 0, 0), 0));
    EXPECT_TRUE(ItemSupportedOn(*Item(item_kind::kApplication, 0, 0x600), kWin7_64));
    EXPECT_FALSE(ItemSupportedOn(*Item(item_kind::kApplication, 0, 0x6), kWin7_64));
    EXPECT_FALSE(ItemSupportedOn(*Item(item_kind::kApplication, 0, 0x6), 0));
    // The installer mask of an Application item plays no part.
    EXPECT_TRUE(ItemSupportedOn(*Item(item_kind::kApplication, 0x6, 0), kWin7_64));
}

TEST(ItemSupportedOn, OtherKindsIgnoreTheirMasks) {
    for (std::wstring_view kind :
         {item_kind::kManual, item_kind::kDocument, item_kind::kFolder, item_kind::kWeb,
          std::wstring_view(L"Unknown"), std::wstring_view(L"installer")}) {
        SCOPED_TRACE(std::string(kind.begin(), kind.end()));
        EXPECT_TRUE(ItemSupportedOn(*Item(kind, 0x2, 0x2), kWin7_64));
    }
}

TEST(PlanItemButtons, ThreeItemsLeaveFiveEmptyDisabledButtons) {
    auto tab = Tab(TabKind::Utility, L"Tools");
    tab->items.push_back(Item(item_kind::kWeb));
    tab->items.push_back(
        Item(item_kind::kInstaller, os_mask::kWindowsXp32 | os_mask::kWindowsXp64));
    tab->items.push_back(Item(item_kind::kApplication, 0, 0x6));
    const auto plan = PlanItemButtons(tab.get(), kWin7_64);
    EXPECT_EQ(plan[0].item, tab->items[0].get());
    EXPECT_TRUE(plan[0].enabled);
    EXPECT_EQ(plan[1].item, tab->items[1].get());
    EXPECT_FALSE(plan[1].enabled) << "installer for another system";
    EXPECT_EQ(plan[2].item, tab->items[2].get());
    EXPECT_FALSE(plan[2].enabled) << "application for another system";
    for (std::size_t p = 3; p < plan.size(); ++p) {
        EXPECT_EQ(plan[p].item, nullptr) << "button " << p;
        EXPECT_FALSE(plan[p].enabled) << "button " << p;
    }
}

TEST(PlanItemButtons, ItemsAfterTheEighthAreNeverShownAndNoTabShowsNothing) {
    auto tab = Tab(TabKind::Manual, L"Manuals");
    for (int i = 0; i < 10; ++i)
        tab->items.push_back(Item(item_kind::kManual));
    const auto plan = PlanItemButtons(tab.get(), 0);
    for (std::size_t p = 0; p < plan.size(); ++p) {
        EXPECT_EQ(plan[p].item, tab->items[p].get()) << "button " << p;
        EXPECT_TRUE(plan[p].enabled) << "button " << p;
    }
    for (const ItemButtonPlan& button : PlanItemButtons(nullptr, kWin7_64)) {
        EXPECT_EQ(button.item, nullptr);
        EXPECT_FALSE(button.enabled);
    }
}

TEST(PlanSubItemButtons, FiveAtMostAndOnlyInstallerAndExecuteCheckTheSystem) {
    auto application = Item(item_kind::kApplication, 0, os_mask::kWindowsXp32);
    application->subItems.push_back(Item(item_kind::kInstaller, kWin7_64));
    application->subItems.push_back(Item(item_kind::kExecute, os_mask::kWindowsXp32));
    application->subItems.push_back(Item(item_kind::kApplication, 0, os_mask::kWindowsXp32));
    const auto two = PlanSubItemButtons(*application, kWin7_64);
    EXPECT_EQ(SubItemButtonCount(*application), 3);
    EXPECT_TRUE(two[0].enabled);
    EXPECT_FALSE(two[1].enabled) << "execute for another system";
    EXPECT_TRUE(two[2].enabled) << "no system test for other kinds";
    EXPECT_EQ(two[3].item, nullptr);
    EXPECT_FALSE(two[4].enabled);
    for (int i = 0; i < 4; ++i)
        application->subItems.push_back(Item(item_kind::kWeb));
    EXPECT_EQ(SubItemButtonCount(*application), 5);
    EXPECT_EQ(PlanSubItemButtons(*application, 0)[4].item, application->subItems[4].get());
    EXPECT_EQ(SubItemButtonCount(*Item(item_kind::kApplication)), 0);
}

TEST(FindTabOfKind, FirstOfTheKindInFileOrderOrNone) {
    TabList tabs;
    tabs.push_back(Tab(TabKind::Information, L"About"));
    tabs.push_back(Tab(TabKind::Utility, L"Tools"));
    tabs.push_back(Tab(TabKind::Utility, L"More tools"));
    EXPECT_EQ(FindTabOfKind(tabs, TabKind::Utility), tabs[1].get());
    EXPECT_EQ(FindTabOfKind(tabs, TabKind::Information), tabs[0].get());
    EXPECT_EQ(FindTabOfKind(tabs, TabKind::Manual), nullptr)
        << "never another kind's tab (the last one looked at)";
    EXPECT_EQ(FindTabOfKind(TabList{}, TabKind::Manual), nullptr);
}

TEST(PageRules, KindsAndDeactivation) {
    EXPECT_EQ(PageIndexOfKind(0), 0);
    EXPECT_EQ(PageIndexOfKind(3), 3);
    EXPECT_EQ(PageIndexOfKind(4), -1);
    EXPECT_EQ(PageIndexOfKind(-1), -1) << "a failed item data read";
    EXPECT_TRUE(IsItemPageKind(2));
    EXPECT_FALSE(IsItemPageKind(3));
    EXPECT_FALSE(IsItemPageKind(-1));

    EXPECT_TRUE(ShouldResetHoverOnDeactivate(false, false, 4, 0));
    EXPECT_FALSE(ShouldResetHoverOnDeactivate(true, false, 4, 0)) << "sub-item dialog open";
    EXPECT_FALSE(ShouldResetHoverOnDeactivate(false, true, 4, 1)) << "selection dialog open";
    EXPECT_FALSE(ShouldResetHoverOnDeactivate(false, false, 0, 0)) << "no tabs";
    EXPECT_FALSE(ShouldResetHoverOnDeactivate(false, false, 4, 3)) << "information page";
    EXPECT_FALSE(ShouldResetHoverOnDeactivate(false, false, 4, -1)) << "no selection";
}

} // namespace
