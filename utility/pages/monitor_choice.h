// How the pages name a monitor to the user, and the monitor selector the colour and sound pages
// share: one entry per monitor of the list, in list order, with the current monitor's selected.
#pragma once

#include "utility/monitor/monitor_list.h"
#include "utility/ui/string_table.h"

#include <string>
#include <vector>

// "Monitor" in the user's language followed by the monitor's display label ("Monitor1-2").
std::string MonitorName(const CMonitorStatus& monitor, const StringTable& strings);

struct MonitorChoice {
    std::vector<std::string> entries;
    int selected = -1; // the current monitor's entry, -1 for none
};

// Empty without a current monitor; otherwise each monitor as its name and its model name in
// parentheses, with the first entry of the current monitor's display number selected.
MonitorChoice MonitorSelectorEntries(const CMonitorStatusAll& monitors, const StringTable& strings);
