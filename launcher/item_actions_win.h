// What the launcher's items do when clicked, reached through one function per entry point: the
// item pages and the sub-item dialog call these and nothing else. The rules are ItemActions'
// (item_actions.h); these hand it the real shell, Windows Installer, registry and dialogs.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "launcher/core/launcher_info.h"

#include <span>
#include <string>

// What the actions share with the application: the launcher's folder (with its trailing
// backslash) and the flags that say a selection dialog or the sub-item dialog is open.
struct LaunchContext {
    const std::wstring& programFolder;
    int& selectionDialogOpen;
    int& subDialogOpen;
};

// Runs the action of `item`, clicked on the item page `owner`. An Installer item stores in
// `launched` whether its installer started (1) or not (0).
void LaunchItem(HWND owner, const LaunchContext& context, const ItemInfo& item, int& launched);

// Runs the action of `subItem` of `application`, clicked in the sub-item dialog `owner`.
void LaunchSubItem(HWND owner, const LaunchContext& context, const ItemInfo& application,
                   const ItemInfo& subItem, int& launched);

// Starts the applications that the installers started from `owner` registered, for each item
// of `items` whose flag in `launched` is set.
void LaunchRegisteredApps(HWND owner, const LaunchContext& context,
                          std::span<const ItemInfo* const> items, std::span<const int> launched);
