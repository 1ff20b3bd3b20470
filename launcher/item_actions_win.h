// What the launcher's items do when clicked, reached through one function per entry point: the
// item pages and (later) the sub-item dialog call these and nothing else.
#pragma once

#include "framework/mingw_gaps_win.h"
#include "launcher/core/launcher_info.h"

#include <span>

// Runs the action of `item`, clicked on the window `owner` (an item page). An Installer item
// stores in `launched` whether its installer started (1) or not (0). Not yet filled in: every
// item does nothing for now.
void LaunchItem(HWND owner, const ItemInfo& item, int& launched);

// Starts the applications that the installers started from `owner` registered, for each item
// of `items` whose flag in `launched` is set. Not yet filled in: nothing is started for now.
void LaunchRegisteredApps(HWND owner, std::span<const ItemInfo* const> items,
                          std::span<const int> launched);
