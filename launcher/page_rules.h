// Rules of the launcher's main window and item pages that need no window: which tab a page
// shows, what each of an item page's eight buttons shows and whether it may be clicked, which
// page a tab item stands for, and when deactivation clears a page's highlighted item.
#pragma once

#include "launcher/core/launcher_info.h"
#include "launcher/core/os_mask.h"

#include <array>

// An item page has eight item buttons; items after the eighth are never shown.
inline constexpr int kItemButtonCount = 8;
// The sub-item dialog has five buttons; sub-items after the fifth are never shown.
inline constexpr int kSubItemButtonCount = 5;
// One page per tab kind: three item pages (Manual, Application, Utility) and the information
// page.
inline constexpr int kPageCount = 4;

// What one button of an item page shows.
struct ItemButtonPlan {
    // The item the button stands for; null for an empty button.
    const ItemInfo* item = nullptr;
    bool enabled = false;
};

// Whether `item` may be used on the system whose bit is `os` (0 when the system is unknown):
// Installer and Execute items need their system among installerOsMask (no systems named means
// none); Application items need theirs among applicationOsMask unless it names none; every
// other kind is always usable.
bool ItemSupportedOn(const ItemInfo& item, OsMask os);

// The eight buttons of an item page showing `tab` (null: a page with no tab) on system `os`:
// the first eight items in order, each enabled by ItemSupportedOn, then empty disabled buttons.
std::array<ItemButtonPlan, kItemButtonCount> PlanItemButtons(const TabInfo* tab, OsMask os);

// The five buttons of the sub-item dialog of `application` on system `os`: the first five
// sub-items in order, Installer and Execute ones enabled only on their systems (the dialog makes
// no other system test), then empty disabled buttons.
std::array<ItemButtonPlan, kSubItemButtonCount> PlanSubItemButtons(const ItemInfo& application,
                                                                   OsMask os);
// How many buttons the sub-item dialog shows for `application`: its sub-items, at most five.
int SubItemButtonCount(const ItemInfo& application);

// The tab the page of `kind` shows: the first tab of that kind in file order, or null when the
// file has none (the page then shows nothing rather than another kind's items).
const TabInfo* FindTabOfKind(const TabList& tabs, TabKind kind);

// The page index of a tab item's data (its kind), or -1 for a value that is no kind.
int PageIndexOfKind(long long kind);
// Kinds 0 to 2 have item pages; kind 3 the information page.
bool IsItemPageKind(long long kind);

// Whether deactivating the main window clears the highlighted item of the page showing the
// current tab: not while one of the selection dialogs is open (it belongs to that page's
// click), only when there are tabs, and only for item pages.
bool ShouldResetHoverOnDeactivate(bool subDialogOpen, bool selectionDialogOpen, int tabCount,
                                  long long currentKind);
