// One controllable monitor as the rest of the program sees it: its handles, what it accepts,
// its identity and the features it offers.
#pragma once

#include "utility/monitor/monitor_information.h"
#include "utility/monitor/monitor_types.h"
#include "utility/monitor/overlay_window.h"
#include "utility/monitor/ports.h"

#include <cstdint>
#include <memory>
#include <string>

class CMonitorStatus {
  public:
    CMonitorStatus() = default;
    CMonitorStatus(const CMonitorStatus&) = delete;
    CMonitorStatus& operator=(const CMonitorStatus&) = delete;
    virtual ~CMonitorStatus() = default;

    PhysicalHandle Handle() const { return physicalHandle ? *physicalHandle : nullptr; }

    DesktopMonitor monitor = nullptr;
    // Points at the physical handle inside the enumeration's entry (not owned); valid until the
    // entry list is rebuilt, which always happens together with the monitor list.
    PhysicalHandle* physicalHandle = nullptr;
    CapabilityCodes capabilityCodes;
    VendorPageMap vendorPages;
    std::string deviceName;
    std::int32_t displayNumber = 0;
    std::string displayLabel;
    std::string modelName;
    std::string serialNumber;
    std::string identityKey; // serial number followed by model name
    std::int32_t lastAutoMode = -1;
    MonitorInformation information;
    DesktopRect desktop;
    // The screen filter's overlay over this monitor; none until the overlays are made.
    std::unique_ptr<OverlayWindow> overlay;
};
