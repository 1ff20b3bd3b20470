#include "launcher/item_actions_win.h"

#include "launcher/item_actions.h"
#include "launcher/shell_action_port_win.h"

void LaunchItem(HWND owner, const LaunchContext& context, const ItemInfo& item) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder, context.registeredApps).Dispatch(item);
}

void LaunchSubItem(HWND owner, const LaunchContext& context, const ItemInfo& application,
                   const ItemInfo& subItem) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder, context.registeredApps)
        .DispatchSubItem(application, subItem);
}

void LaunchRegisteredApps(HWND owner, const LaunchContext& context) {
    ShellActionPort port(owner, context);
    ItemActions(port, context.programFolder, context.registeredApps).RunRegisteredApps();
}
