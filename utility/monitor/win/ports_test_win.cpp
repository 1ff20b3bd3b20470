// The real ports against the simulated dxva2.dll and libpanq.dll beside this test, serving the
// two maker monitors of dual.txt behind the desktop's \\.\DISPLAY1. What the monitors received
// is read back from the simulator's register dump.
#include "sim/sim_system.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/win/gamma_port_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/text/code_page_win.h"

#include "utility/monitor/win/windows_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string kDescription = DIMORA_SIM_MONITORS "/dual.txt";
const std::string kDevice = "\\\\.\\DISPLAY1";

class WinPorts : public testing::Test {
  protected:
    // The simulated DLLs read their variables on first use, so setting them here, before any
    // monitor call of this process, is in time.
    static void SetUpTestSuite() {
        DumpPath() = (std::filesystem::temp_directory_path() /
                      ("dimora-sim-dump-" + std::to_string(GetCurrentProcessId()) + ".txt"))
                         .string();
        SetEnvironmentVariableA("DIMORA_SIM_MONITORS", kDescription.c_str());
        SetEnvironmentVariableA("DIMORA_SIM_DUMP", DumpPath().c_str());
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        std::filesystem::remove(DumpPath(), ignored);
    }
    static std::string& DumpPath() {
        static std::string path;
        return path;
    }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadSimDescriptionFile(kDescription, described, error)) << error;
        ASSERT_EQ(described.bus.Count(), 2u);
    }

    // The desktop monitor showing \\.\DISPLAY1 and its physical monitors.
    void OpenDisplay1(DesktopMonitorInfo& info, std::vector<PhysicalMonitorInfo>& physical) {
        std::vector<DesktopMonitor> monitors;
        ASSERT_TRUE(display.EnumDisplayMonitors(monitors));
        for (DesktopMonitor monitor : monitors) {
            ASSERT_TRUE(display.GetMonitorInfo(monitor, info));
            if (info.device != kDevice)
                continue;
            std::uint32_t count = 0;
            ASSERT_TRUE(display.GetNumberOfPhysicalMonitors(monitor, count));
            ASSERT_EQ(count, 2u);
            ASSERT_TRUE(display.GetPhysicalMonitors(monitor, count, physical));
            return;
        }
        FAIL() << "no desktop monitor " << kDevice;
    }

    // The dump's lines for one simulated monitor.
    std::vector<std::string> DumpOf(int index) {
        std::ifstream in(DumpPath());
        std::vector<std::string> lines;
        std::string line;
        bool inside = false;
        while (std::getline(in, line)) {
            if (line.rfind("monitor ", 0) == 0)
                inside = line.rfind("monitor " + std::to_string(index) + " ", 0) == 0;
            else if (inside)
                lines.push_back(line);
        }
        return lines;
    }

    bool DumpHas(int index, const std::string& line) {
        const auto lines = DumpOf(index);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    SimSystem described;
    Win32DisplayPort display;
    Dxva2DdcPort ddc;
};

TEST_F(WinPorts, FindsBothPhysicalMonitorsOfDisplay1) {
    DesktopMonitorInfo info;
    std::vector<PhysicalMonitorInfo> physical;
    ASSERT_NO_FATAL_FAILURE(OpenDisplay1(info, physical));
    EXPECT_GT(info.monitor.right, info.monitor.left);
    EXPECT_GT(info.monitor.bottom, info.monitor.top);
    ASSERT_EQ(physical.size(), 2u);
    EXPECT_EQ(physical[0].description, described.bus.Monitor(0).Config().name);
    EXPECT_EQ(physical[1].description, described.bus.Monitor(1).Config().name);
    EXPECT_NE(physical[0].handle, nullptr);
    EXPECT_NE(physical[0].handle, physical[1].handle);
    EXPECT_TRUE(display.DestroyPhysicalMonitors({physical[0].handle, physical[1].handle}));
}

TEST_F(WinPorts, ReadsCapabilitiesAndFeatures) {
    DesktopMonitorInfo info;
    std::vector<PhysicalMonitorInfo> physical;
    ASSERT_NO_FATAL_FAILURE(OpenDisplay1(info, physical));
    for (int i = 0; i < 2; ++i) {
        const auto& config = described.bus.Monitor(i).Config();
        const PhysicalHandle handle = physical[static_cast<std::size_t>(i)].handle;
        std::uint32_t length = 0;
        ASSERT_TRUE(ddc.GetCapabilitiesStringLength(handle, length));
        ASSERT_EQ(length, config.capabilities.size() + 1);
        std::string caps(length, '\xAA');
        ASSERT_TRUE(ddc.CapabilitiesRequestAndReply(handle, caps.data(), length));
        EXPECT_EQ(caps.c_str(), config.capabilities);

        std::uint32_t current = 0, maximum = 0;
        ASSERT_TRUE(ddc.GetVcpFeature(handle, 0x12, current, maximum));
        EXPECT_EQ(current, config.vcp.at(0x12).current);
        EXPECT_EQ(maximum, config.vcp.at(0x12).maximum);
    }
    // A code the monitor does not have is refused, as a NAK.
    std::uint32_t current = 0, maximum = 0;
    EXPECT_FALSE(ddc.GetVcpFeature(physical[0].handle, 0x14, current, maximum));
}

TEST_F(WinPorts, WritesReachOnlyTheirMonitor) {
    DesktopMonitorInfo info;
    std::vector<PhysicalMonitorInfo> physical;
    ASSERT_NO_FATAL_FAILURE(OpenDisplay1(info, physical));
    const PhysicalHandle second = physical[1].handle;
    std::uint32_t before = 0, maximum = 0;
    ASSERT_TRUE(ddc.GetVcpFeature(second, 0x10, before, maximum));
    const std::uint32_t brightness = (before + 7) % (maximum + 1);

    ASSERT_TRUE(ddc.SetVcpFeature(second, 0x10, brightness));
    EXPECT_TRUE(DumpHas(1, "vcp 10 " + std::to_string(brightness)));
    EXPECT_TRUE(
        DumpHas(0, "vcp 10 " + std::to_string(described.bus.Monitor(0).Value(0, 0x10).value())));

    // A vendor write: page register, then the picture mode on that page.
    ASSERT_TRUE(ddc.SetVcpFeature(second, 0xE1, 0x30));
    ASSERT_TRUE(ddc.SetVcpFeature(second, 0xE2, 3));
    EXPECT_TRUE(DumpHas(1, "page 30"));
    EXPECT_TRUE(DumpHas(1, "mode 3"));

    std::uint32_t current = 0;
    ASSERT_TRUE(ddc.GetVcpFeature(second, 0x10, current, maximum));
    EXPECT_EQ(current, brightness);
}

TEST_F(WinPorts, LibpanqReportsTheMakerMonitorsAtTheirDesktopPosition) {
    DesktopMonitorInfo info;
    std::vector<PhysicalMonitorInfo> physical;
    ASSERT_NO_FATAL_FAILURE(OpenDisplay1(info, physical));
    PanqLibraryPort panq;
    int count = 0;
    panq.PnqFindMonitors(&count, 1);
    ASSERT_EQ(count, 2);
    for (int j = 0; j < count; ++j) {
        std::uint8_t record[kPnqMonitorInfoSize] = {};
        ASSERT_GE(panq.PnqGetMonitorInfo(j, record, 0), 0);
        std::int32_t left = -1, top = -1;
        std::memcpy(&left, record + kPnqDesktopLeftOffset, sizeof(left));
        std::memcpy(&top, record + kPnqDesktopTopOffset, sizeof(top));
        EXPECT_EQ(left, info.monitor.left);
        EXPECT_EQ(top, info.monitor.top);
    }
    std::uint8_t record[kPnqMonitorInfoSize] = {};
    EXPECT_LT(panq.PnqGetMonitorInfo(count, record, 0), 0);
}

TEST_F(WinPorts, EnumerationAndMonitorListOverTheRealPorts) {
    Win32Clock clock;
    ToolhelpProcessPort processes;
    PanqLibraryPort panq;
    SystemCodePage codePage;
    DeviceCtrl ctrl(MonitorPorts{ddc, clock, processes, display, panq, codePage});
    ASSERT_TRUE(ctrl.Enumerate());
    ASSERT_EQ(ctrl.EntryCount(), 2u);
    const std::pair<const char*, int> expected[] = {{"1-1", 11}, {"1-2", 12}};
    for (std::size_t i = 0; i < 2; ++i) {
        const MonitorEntry& entry = ctrl.Entry(i);
        EXPECT_TRUE(entry.supported) << EntryCheckName(entry.failedCheck);
        EXPECT_EQ(entry.displayLabel, expected[i].first);
        EXPECT_EQ(entry.displayNumber, expected[i].second);
        EXPECT_EQ(entry.monitorInfo.device, kDevice);
        EXPECT_EQ(entry.description, described.bus.Monitor(static_cast<int>(i)).Config().name);
    }

    // The list build claims each monitor and reads its identity through the block transfer.
    CMonitorStatusAll all;
    RebuildMonitorList(ctrl, all);
    ASSERT_EQ(all.monitors.size(), 2u);
    EXPECT_EQ(all.monitors[0]->identityKey, "51000001EX-2451W");
    EXPECT_EQ(all.monitors[1]->identityKey, "52000002EX-2780");
    ASSERT_TRUE(all.HasCurrent());
    EXPECT_EQ(all.Current().displayLabel, "1-1");
    EXPECT_TRUE(DumpHas(0, "page 10"));
    EXPECT_TRUE(DumpHas(1, "page 10"));
}

TEST(WinSystemPorts, ClockSleepsAndProcessTableHoldsThisProgram) {
    Win32Clock clock;
    const std::uint32_t start = clock.TickCount();
    clock.Sleep(60);
    EXPECT_GE(clock.TickCount() - start, 40u);

    ToolhelpProcessPort processes;
    std::vector<ProcessInfo> table;
    ASSERT_TRUE(processes.Snapshot(table));
    const std::uint32_t self = processes.CurrentProcessId();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const ProcessInfo& p) { return p.id == self; });
    ASSERT_NE(it, table.end());
    std::string name = it->exeFile;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(name, "monitor_win_tests.exe");
}

TEST(WinGammaPort, FindsTheDesktopDisplayDevice) {
    Win32GammaPort gamma;
    std::string name;
    std::uint32_t flags = 0;
    bool found = false;
    std::uint32_t index = 0;
    for (; gamma.EnumDisplayDevice(index, name, flags); ++index) {
        if (name == kDevice) {
            found = true;
            EXPECT_TRUE(flags & kDisplayDeviceAttachedToDesktop);
        }
    }
    EXPECT_TRUE(found);
    EXPECT_FALSE(gamma.EnumDisplayDevice(index + 1, name, flags));

    const DeviceContext dc = gamma.CreateDc(kDevice.c_str());
    ASSERT_NE(dc, nullptr);
    GammaRamp ramp{};
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        ramp[i] = static_cast<std::uint16_t>((i % 256) * 257);
    GammaRamp darker = ramp;
    for (auto& entry : darker)
        entry = static_cast<std::uint16_t>(entry * 3 / 4);
    if (!gamma.GetDeviceGammaRamp(dc, ramp)) {
        // A display without gamma ramps (a virtual X server) refuses the write as it refused the
        // read.
        EXPECT_FALSE(gamma.SetDeviceGammaRamp(dc, darker));
        gamma.DeleteDc(dc);
        return;
    }
    // Every colour rises from black to white.
    EXPECT_LT(ramp[0], ramp[255]);
    EXPECT_LT(ramp[512], ramp[767]);
    // A darker ramp goes to the device and comes back; then the device's own again.
    EXPECT_TRUE(gamma.SetDeviceGammaRamp(dc, darker));
    GammaRamp read{};
    ASSERT_TRUE(gamma.GetDeviceGammaRamp(dc, read));
    EXPECT_EQ(read[255], darker[255]);
    EXPECT_TRUE(gamma.SetDeviceGammaRamp(dc, ramp));
    gamma.DeleteDc(dc);
}

} // namespace
