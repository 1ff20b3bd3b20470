#include "launcher/item_actions_win.h"

#include "launcher/item_actions.h"
#include "launcher/shell_action_port_win.h"

void LaunchItem(HWND owner, const LaunchContext& context, const ItemInfo& item, int& launched) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder).Dispatch(item, launched);
}

void LaunchSubItem(HWND owner, const LaunchContext& context, const ItemInfo& application,
                   const ItemInfo& subItem, int& launched) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder).DispatchSubItem(application, subItem, launched);
}

void LaunchRegisteredApps(HWND owner, const LaunchContext& context,
                          std::span<const ItemInfo* const> items, std::span<const int> launched) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder).RunRegisteredApps(items, launched);
}
