// One physical monitor as the last enumeration found it.
#pragma once

#include "utility/monitor/monitor_types.h"
#include "utility/monitor/ports.h"

#include <cstdint>
#include <string>

// The first check an entry failed during enumeration, for diagnostics.
enum class EntryCheck {
    Passed,
    NotMakerMonitor,   // the monitor-information library does not report it at this position
    NoCapabilities,    // the capabilities string could not be read
    CapabilitiesParse, // it could not be parsed
    NoVendorControl,   // 0xE0 or 0xE1 is not declared
    NoVendorPageList,  // block slot 0 could not be read
    EmptyVendorPageList,
    VendorPageParse,
    NotAnswering, // a DDC/CI call timed out: the channel passes the EDID but not DDC/CI
};

const char* EntryCheckName(EntryCheck check);

struct MonitorEntry {
    bool supported = false;
    DesktopMonitor monitor = nullptr;
    DesktopMonitorInfo monitorInfo;
    PhysicalHandle physicalHandle = nullptr;
    std::string description;
    std::string capabilities;
    CapabilityCodes capabilityCodes;
    std::string vendorPageList;
    VendorPageMap vendorPages;
    std::int32_t displayNumber = 0;
    std::string displayLabel;
    EntryCheck failedCheck = EntryCheck::Passed;
};
