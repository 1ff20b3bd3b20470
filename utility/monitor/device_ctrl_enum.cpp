// Enumeration: every physical monitor of the desktop becomes an entry, and the entries that pass
// every check (maker monitor at that position, readable capabilities with the vendor registers,
// readable vendor page list) are marked supported.
#include "utility/monitor/device_ctrl.h"

#include "utility/monitor/capabilities.h"
#include "utility/monitor/retry.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t kRetryPauseMs = 200;
constexpr int kMakerAttempts = 5;
constexpr int kCapabilitiesAttempts = 50;
constexpr std::size_t kVendorPageListCapacity = 65535;

// The leading decimal number after "DISPLAY" in a device name such as \\.\DISPLAY2; 0 when the
// name has none.
std::int32_t DisplayNumberOf(const std::string& device) {
    const auto at = device.find("DISPLAY");
    if (at == std::string::npos)
        return 0;
    std::int32_t n = 0;
    for (std::size_t i = at + 7;
         i < device.size() && std::isdigit(static_cast<unsigned char>(device[i])); ++i) {
        if (n > 100000)
            break; // absurd names must not overflow the display number
        n = n * 10 + (device[i] - '0');
    }
    return n;
}

std::string TextUpToZero(const std::uint8_t* bytes, std::size_t length) {
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(bytes, 0, length));
    return std::string(reinterpret_cast<const char*>(bytes),
                       end ? static_cast<std::size_t>(end - bytes) : length);
}

std::int32_t ReadInt32(const std::uint8_t* record, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

} // namespace

const char* EntryCheckName(EntryCheck check) {
    switch (check) {
    case EntryCheck::Passed:
        return "passed";
    case EntryCheck::NotMakerMonitor:
        return "not a maker monitor at this position";
    case EntryCheck::NoCapabilities:
        return "capabilities string not readable";
    case EntryCheck::CapabilitiesParse:
        return "capabilities string not parsable";
    case EntryCheck::NoVendorControl:
        return "vendor registers e0/e1 not declared";
    case EntryCheck::NoVendorPageList:
        return "vendor page list not readable";
    case EntryCheck::EmptyVendorPageList:
        return "vendor page list empty";
    case EntryCheck::VendorPageParse:
        return "vendor page list not parsable";
    case EntryCheck::NotAnswering:
        return "DDC/CI channel does not answer (timed out)";
    }
    return "?";
}

DeviceCtrl::~DeviceCtrl() {
    ReleaseEntries();
}

void DeviceCtrl::ReleaseEntries() {
    std::vector<PhysicalHandle> handles;
    for (const auto& entry : m_entries) {
        if (entry->physicalHandle)
            handles.push_back(entry->physicalHandle);
    }
    if (!handles.empty())
        m_ports.display.DestroyPhysicalMonitors(handles);
    m_entries.clear();
}

bool DeviceCtrl::Enumerate() {
    m_physicalCount = 0;
    ReleaseEntries();
    // A monitor that stopped answering is tried again at every enumeration.
    m_watch.Forget();
    std::vector<DesktopMonitor> monitors;
    if (!m_ports.display.EnumDisplayMonitors(monitors))
        return false;
    for (DesktopMonitor monitor : monitors) {
        if (monitor)
            AddPhysicalMonitors(monitor);
    }
    bool any = false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        MonitorEntry& entry = *m_entries[i];
        entry.failedCheck = CheckEntry(i);
        entry.supported = entry.failedCheck == EntryCheck::Passed;
        any = any || entry.supported;
    }
    return any;
}

EntryCheck DeviceCtrl::CheckEntry(std::size_t index) {
    MonitorEntry& entry = *m_entries[index];
    if (!IsMakerMonitor(index, Retry::Yes))
        return EntryCheck::NotMakerMonitor;
    if (!ReadCapabilities(index, Retry::Yes))
        return m_watch.LastTimedOut() ? EntryCheck::NotAnswering : EntryCheck::NoCapabilities;
    if (!ParseCapabilities(entry.capabilities, entry.capabilityCodes))
        return EntryCheck::CapabilitiesParse;
    if (!HasVendorControl(index))
        return EntryCheck::NoVendorControl;
    if (!ReadVendorPageList(index, PageSelect::Write))
        return m_watch.LastTimedOut() ? EntryCheck::NotAnswering : EntryCheck::NoVendorPageList;
    if (entry.vendorPageList.empty())
        return EntryCheck::EmptyVendorPageList;
    if (!ParseVendorPages(entry.vendorPageList, entry.vendorPages))
        return EntryCheck::VendorPageParse;
    return EntryCheck::Passed;
}

bool DeviceCtrl::AddPhysicalMonitors(DesktopMonitor monitor) {
    DesktopMonitorInfo info;
    if (!m_ports.display.GetMonitorInfo(monitor, info))
        return false;
    std::uint32_t count = 0;
    if (!m_ports.display.GetNumberOfPhysicalMonitors(monitor, count) || count == 0)
        return false;
    std::vector<PhysicalMonitorInfo> physical;
    if (!m_ports.display.GetPhysicalMonitors(monitor, count, physical))
        return false;
    if (physical.size() != count) {
        std::vector<PhysicalHandle> handles;
        for (const auto& p : physical)
            handles.push_back(p.handle);
        m_ports.display.DestroyPhysicalMonitors(handles);
        return false;
    }

    const std::int32_t n = DisplayNumberOf(info.device);
    for (std::uint32_t k = 0; k < count; ++k) {
        auto entry = std::make_unique<MonitorEntry>();
        entry->monitor = monitor;
        entry->monitorInfo = info;
        entry->physicalHandle = physical[k].handle;
        entry->description = physical[k].description;
        entry->displayNumber = 10 * n;
        entry->displayLabel = std::to_string(n);
        if (count > 1) {
            entry->displayNumber += static_cast<std::int32_t>(k) + 1;
            entry->displayLabel += '-';
            entry->displayLabel += std::to_string(k + 1);
        }
        m_entries.push_back(std::move(entry));
    }
    m_physicalCount += static_cast<std::int32_t>(count);
    return true;
}

bool DeviceCtrl::IsMakerMonitor(std::size_t index, Retry retry) {
    if (index >= m_entries.size())
        return false;
    int count = 0;
    RetryWithPause(m_ports.clock, retry == Retry::Yes ? kMakerAttempts : 1, kRetryPauseMs, [&] {
        count = 0;
        m_ports.panq.PnqFindMonitors(&count, 1);
        return count > 0;
    });
    const DesktopRect& desktop = m_entries[index]->monitorInfo.monitor;
    std::vector<std::uint8_t> record(kPnqMonitorInfoSize);
    for (int j = 0; j < count; ++j) {
        std::fill(record.begin(), record.end(), 0);
        if (m_ports.panq.PnqGetMonitorInfo(j, record.data(), 0) < 0)
            continue;
        if (ReadInt32(record.data(), kPnqDesktopLeftOffset) == desktop.left &&
            ReadInt32(record.data(), kPnqDesktopTopOffset) == desktop.top)
            return true;
    }
    return false;
}

bool DeviceCtrl::ReadCapabilities(std::size_t index, Retry retry) {
    if (index >= m_entries.size() || !Reachable(m_entries[index]->physicalHandle))
        return false;
    MonitorEntry& entry = *m_entries[index];
    return RetryWithPause(
        m_ports.clock, retry == Retry::Yes ? kCapabilitiesAttempts : 1, kRetryPauseMs,
        [&] {
            std::uint32_t length = 0;
            if (!m_ports.ddc.GetCapabilitiesStringLength(entry.physicalHandle, length) ||
                length == 0)
                return false;
            std::vector<std::uint8_t> buffer(length);
            if (!m_ports.ddc.CapabilitiesRequestAndReply(
                    entry.physicalHandle, reinterpret_cast<char*>(buffer.data()), length))
                return false;
            entry.capabilities = TextUpToZero(buffer.data(), buffer.size());
            return true;
        },
        TimedOut());
}

bool DeviceCtrl::HasVendorControl(std::size_t index) const {
    if (index >= m_entries.size())
        return false;
    const auto& codes = m_entries[index]->capabilityCodes;
    return Contains(codes, 0xE0, kAnyValue) && Contains(codes, 0xE1, kAnyValue);
}

bool DeviceCtrl::ReadVendorPageList(std::size_t index, PageSelect pageSelect) {
    if (index >= m_entries.size())
        return false;
    MonitorEntry& entry = *m_entries[index];
    CMonitorStatus probe;
    probe.physicalHandle = &entry.physicalHandle;
    std::vector<std::uint8_t> buffer(kVendorPageListCapacity);
    std::size_t length = 0;
    // The list is read before any page map exists and without claiming the owner register.
    m_ownership = true;
    const bool ok =
        ReadBlock(probe, 0, buffer.data(), buffer.size(), pageSelect, &length, BlockEnd::FirstZero);
    m_ownership = false;
    if (ok)
        entry.vendorPageList = TextUpToZero(buffer.data(), length);
    return ok;
}
