#include "launcher/item_actions_win.h"

void LaunchItem(HWND, const ItemInfo&, int&) {}

void LaunchRegisteredApps(HWND, std::span<const ItemInfo* const>, std::span<const int>) {}
