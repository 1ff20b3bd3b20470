// libpanq.dll: finds the maker's monitors by the manufacturer id in their EDID. For every display
// device on the desktop it walks the monitors attached to it, opens each monitor's device
// interface through SetupAPI and reads the "EDID" value of the device's registry key.
#define PNQ_BUILDING
#include "libpanq/edid.h"

#include <windows.h>

#include <setupapi.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

struct DevInfoCloser {
    void operator()(HDEVINFO set) const { SetupDiDestroyDeviceInfoList(set); }
};
using DevInfoSet = std::unique_ptr<std::remove_pointer_t<HDEVINFO>, DevInfoCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// EDIDs are 128 bytes per block, 256 blocks at most.
constexpr DWORD kEdidMaxSize = 256 * kEdidBlockSize;

// GUID_DEVINTERFACE_MONITOR, the device interface class of monitors.
constexpr GUID kMonitorInterface = {
    0xE6F07B5F, 0xEE97, 0x4A90, {0xB0, 0x76, 0x33, 0xF5, 0x7B, 0xF4, 0xEA, 0xA7}};

// The EDID a monitor's device keeps in its "EDID" value; empty when there is none.
std::vector<std::uint8_t> ReadEdidOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    const RegistryKey key(
        SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ));
    if (key.get() == INVALID_HANDLE_VALUE)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), "EDID", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY || size == 0 || size > kEdidMaxSize)
        return {};
    std::vector<std::uint8_t> edid(size);
    if (RegQueryValueExA(key.get(), "EDID", nullptr, &type, edid.data(), &size) != ERROR_SUCCESS)
        return {};
    edid.resize(size);
    return edid;
}

// The EDID stored for the monitor behind a device interface path; empty when there is none. The
// path is looked for among the monitor interfaces the system lists, compared without case: the
// display enumeration and the device list may spell it in different case.
std::vector<std::uint8_t> ReadEdid(const char* interfaceName) {
    const DevInfoSet set(SetupDiGetClassDevsA(&kMonitorInterface, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (set.get() == INVALID_HANDLE_VALUE)
        return {};
    SP_DEVICE_INTERFACE_DATA iface{};
    iface.cbSize = sizeof(iface);
    for (DWORD i = 0;
         SetupDiEnumDeviceInterfaces(set.get(), nullptr, &kMonitorInterface, i, &iface); ++i) {
        DWORD needed = 0;
        SetupDiGetDeviceInterfaceDetailA(set.get(), &iface, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
            continue;
        std::vector<char> detailBuffer(needed);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detailBuffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (SetupDiGetDeviceInterfaceDetailA(set.get(), &iface, detail, needed, nullptr, &device) &&
            lstrcmpiA(detail->DevicePath, interfaceName) == 0)
            return ReadEdidOf(set.get(), device);
    }
    return {};
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
    return TRUE;
}

// Appends a record for every maker monitor attached to one desktop monitor.
void AddMakerMonitors(HMONITOR monitor, std::vector<PnqMonitorInfo>& found) {
    MONITORINFOEXA info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info))
        return;
    MonitorPlacement placement;
    placement.left = info.rcMonitor.left;
    placement.top = info.rcMonitor.top;
    placement.right = info.rcMonitor.right;
    placement.bottom = info.rcMonitor.bottom;
    placement.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    placement.deviceName.assign(info.szDevice, strnlen(info.szDevice, sizeof(info.szDevice)));
    for (DWORD i = 0;; ++i) {
        DISPLAY_DEVICEA device{};
        device.cb = sizeof(device);
        if (!EnumDisplayDevicesA(info.szDevice, i, &device, EDD_GET_DEVICE_INTERFACE_NAME))
            break;
        if (!(device.StateFlags & DISPLAY_DEVICE_ACTIVE))
            continue;
        placement.interfaceName.assign(device.DeviceID,
                                       strnlen(device.DeviceID, sizeof(device.DeviceID)));
        const auto edid = ReadEdid(placement.interfaceName.c_str());
        EdidIdentity identity;
        if (!ParseEdid(edid.data(), edid.size(), identity) || !IsMakerMonitor(identity))
            continue;
        found.push_back(MakeMonitorInfo(static_cast<std::uint32_t>(found.size()), edid.data(),
                                        identity, placement));
    }
}

struct SearchResult {
    bool searched = false;
    std::vector<PnqMonitorInfo> monitors;
};

SearchResult& LastSearch() {
    static SearchResult result;
    return result;
}

void Search() {
    auto& result = LastSearch();
    result.monitors.clear();
    result.searched = true;
    std::vector<HMONITOR> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors)))
        return;
    for (HMONITOR monitor : monitors)
        AddMakerMonitors(monitor, result.monitors);
}

} // namespace

extern "C" PNQ_API int PNQ_CALL PnqFindMonitors(int* count, int option) {
    if (!count)
        return PNQ_E_ARGUMENT;
    if ((option & PNQ_FIND_RESCAN) || !LastSearch().searched)
        Search();
    *count = static_cast<int>(LastSearch().monitors.size());
    return PNQ_OK;
}

extern "C" PNQ_API int PNQ_CALL PnqGetMonitorInfo(int index, void* record, int) {
    if (!record || index < 0)
        return PNQ_E_ARGUMENT;
    const auto& monitors = LastSearch().monitors;
    if (static_cast<std::size_t>(index) >= monitors.size())
        return PNQ_E_NO_MONITOR;
    std::memcpy(record, &monitors[static_cast<std::size_t>(index)], sizeof(PnqMonitorInfo));
    return PNQ_OK;
}
