// The real libpanq.dll on Wine's desktop: without the maker's monitors it searches, finds
// nothing and refuses every record, without touching the caller's buffer; with the maker's EDID
// where the monitor's device keeps it, it finds that monitor.
#include "libpanq/libpanq.h"

#include <windows.h>

#include <setupapi.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// GUID_DEVINTERFACE_MONITOR.
constexpr GUID kMonitorInterface = {
    0xE6F07B5F, 0xEE97, 0x4A90, {0xB0, 0x76, 0x33, 0xF5, 0x7B, 0xF4, 0xEA, 0xA7}};

// A base block of the maker's id ("ORV") naming model EX-2451W, serial 41234567.
std::array<std::uint8_t, 128> MakerEdid() {
    std::array<std::uint8_t, 128> edid{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    const unsigned id = ('O' - 'A' + 1) << 10 | ('R' - 'A' + 1) << 5 | ('V' - 'A' + 1);
    edid[8] = static_cast<std::uint8_t>(id >> 8);
    edid[9] = static_cast<std::uint8_t>(id);
    edid[18] = 1;
    edid[19] = 4;
    auto descriptor = [&](std::size_t at, std::uint8_t tag, const char* text) {
        edid[at + 3] = tag;
        std::memset(&edid[at + 5], ' ', 13);
        std::memcpy(&edid[at + 5], text, std::strlen(text));
        edid[at + 5 + std::strlen(text)] = '\n';
    };
    descriptor(72, 0xFC, "EX-2451W");
    descriptor(90, 0xFF, "41234567");
    return edid;
}

// The first desktop monitor's device made a maker's monitor for as long as this lives: its
// "EDID" value, where the library reads it, holds MakerEdid(); the old value comes back after.
class MakerMonitor {
  public:
    MakerMonitor() {
        DISPLAY_DEVICEA adapter{};
        adapter.cb = sizeof adapter;
        DISPLAY_DEVICEA monitor{};
        monitor.cb = sizeof monitor;
        if (!EnumDisplayDevicesA(nullptr, 0, &adapter, 0) ||
            !EnumDisplayDevicesA(adapter.DeviceName, 0, &monitor, EDD_GET_DEVICE_INTERFACE_NAME))
            return;
        m_set = SetupDiGetClassDevsA(&kMonitorInterface, nullptr, nullptr,
                                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        SP_DEVICE_INTERFACE_DATA iface{};
        iface.cbSize = sizeof iface;
        for (DWORD i = 0;
             m_set != INVALID_HANDLE_VALUE &&
             SetupDiEnumDeviceInterfaces(m_set, nullptr, &kMonitorInterface, i, &iface);
             ++i) {
            char buffer[1024] = {};
            auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer);
            detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
            SP_DEVINFO_DATA device{};
            device.cbSize = sizeof device;
            if (SetupDiGetDeviceInterfaceDetailA(m_set, &iface, detail, sizeof buffer, nullptr,
                                                 &device) &&
                lstrcmpiA(detail->DevicePath, monitor.DeviceID) == 0) {
                m_key = SetupDiOpenDevRegKey(m_set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV,
                                             KEY_ALL_ACCESS);
                break;
            }
        }
        if (m_key == static_cast<HKEY>(INVALID_HANDLE_VALUE))
            return;
        DWORD size = 0;
        if (RegQueryValueExA(m_key, "EDID", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
            m_old.resize(size);
            RegQueryValueExA(m_key, "EDID", nullptr, nullptr, m_old.data(), &size);
        }
        const auto edid = MakerEdid();
        m_ok = RegSetValueExA(m_key, "EDID", 0, REG_BINARY, edid.data(), 128) == ERROR_SUCCESS;
    }
    ~MakerMonitor() {
        if (m_key != static_cast<HKEY>(INVALID_HANDLE_VALUE)) {
            if (m_old.empty())
                RegDeleteValueA(m_key, "EDID");
            else
                RegSetValueExA(m_key, "EDID", 0, REG_BINARY, m_old.data(),
                               static_cast<DWORD>(m_old.size()));
            RegCloseKey(m_key);
        }
        if (m_set != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(m_set);
    }
    MakerMonitor(const MakerMonitor&) = delete;
    MakerMonitor& operator=(const MakerMonitor&) = delete;

    bool Ok() const { return m_ok; }

  private:
    HDEVINFO m_set = INVALID_HANDLE_VALUE;
    HKEY m_key = static_cast<HKEY>(INVALID_HANDLE_VALUE);
    std::vector<BYTE> m_old;
    bool m_ok = false;
};

// Both in one test: the maker's EDID lives in the prefix's registry while the test runs, and no
// other search may see it.
TEST(LibpanqDll, FindsOnlyTheMakersMonitorsByTheirEdid) {
    int count = -1;
    EXPECT_EQ(PnqFindMonitors(&count, PNQ_FIND_RESCAN), PNQ_OK);
    EXPECT_EQ(count, 0);
    count = -1;
    EXPECT_EQ(PnqFindMonitors(&count, 0), PNQ_OK);
    EXPECT_EQ(count, 0);

    std::array<std::uint8_t, PNQ_MONITOR_INFO_SIZE + 4> record;
    record.fill(0xAB);
    EXPECT_LT(PnqGetMonitorInfo(0, record.data(), 0), 0);
    for (std::uint8_t byte : record)
        ASSERT_EQ(byte, 0xAB);

    {
        MakerMonitor maker;
        ASSERT_TRUE(maker.Ok()) << "the monitor's device key could not be written";
        ASSERT_EQ(PnqFindMonitors(&count, PNQ_FIND_RESCAN), PNQ_OK);
        ASSERT_EQ(count, 1);
        PnqMonitorInfo info{};
        ASSERT_EQ(PnqGetMonitorInfo(0, &info, 0), PNQ_OK);
        EXPECT_EQ(info.size, static_cast<std::uint32_t>(PNQ_MONITOR_INFO_SIZE));
        EXPECT_STREQ(info.manufacturer, "ORV");
        EXPECT_STREQ(info.modelName, "EX-2451W");
        EXPECT_EQ(info.flags & PNQ_FLAG_PRIMARY, static_cast<std::uint32_t>(PNQ_FLAG_PRIMARY));
        EXPECT_EQ(info.right - info.left, GetSystemMetrics(SM_CXSCREEN));
    }
    count = -1;
    EXPECT_EQ(PnqFindMonitors(&count, PNQ_FIND_RESCAN), PNQ_OK);
    EXPECT_EQ(count, 0) << "its own EDID back, it is not the maker's again";
}

TEST(LibpanqDll, RefusesBadArguments) {
    EXPECT_EQ(PnqFindMonitors(nullptr, PNQ_FIND_RESCAN), PNQ_E_ARGUMENT);
    std::array<std::uint8_t, PNQ_MONITOR_INFO_SIZE> record{};
    EXPECT_EQ(PnqGetMonitorInfo(-1, record.data(), 0), PNQ_E_ARGUMENT);
    EXPECT_EQ(PnqGetMonitorInfo(0, nullptr, 0), PNQ_E_ARGUMENT);
}

} // namespace
