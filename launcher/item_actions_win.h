// What the launcher's items do when clicked, reached through one function per entry point: the
// item pages and the sub-item dialog call these and nothing else. The rules are ItemActions'
// (item_actions.h); these hand it the real shell, Windows Installer, registry and dialogs.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "launcher/core/launcher_info.h"
#include "launcher/registered_apps.h"

#include <string>

// What the actions share with the application: the launcher's folder (with its trailing
// backslash), the flags that say a selection dialog or the sub-item dialog is open, and the
// installers started so far, whose programs start when the user leaves through Exit.
struct LaunchContext {
    const std::wstring& programFolder;
    int& selectionDialogOpen;
    int& subDialogOpen;
    RegisteredApps& registeredApps;
};

// Runs the action of `item`, clicked on the item page `owner`.
void LaunchItem(HWND owner, const LaunchContext& context, const ItemInfo& item);

// Runs the action of `subItem` of `application`, clicked in the sub-item dialog `owner`.
void LaunchSubItem(HWND owner, const LaunchContext& context, const ItemInfo& application,
                   const ItemInfo& subItem);

// Starts the programs that the installers the user started registered, each once; messages
// are owned by `owner`.
void LaunchRegisteredApps(HWND owner, const LaunchContext& context);
