// One controllable monitor as the rest of the program sees it.
#pragma once

#include "monitor_types.h"

class CMonitorStatus {
public:
    CMonitorStatus() = default;
    CMonitorStatus(const CMonitorStatus&) = delete;
    CMonitorStatus& operator=(const CMonitorStatus&) = delete;
    virtual ~CMonitorStatus() = default;

    // Points at the physical handle inside the enumeration's entry (not owned); valid until the
    // entry list is rebuilt.
    PhysicalHandle* physicalHandle = nullptr;
    CapabilityCodes capabilityCodes;
    VendorPageMap vendorPages;

    PhysicalHandle Handle() const { return physicalHandle ? *physicalHandle : nullptr; }
};
