// Building the monitor list: identity, drop rules, duplicates and the first choice.
#include "sim/testing/sim_machine.h"
#include "utility/monitor/monitor_list.h"

#include <gtest/gtest.h>

namespace {

std::string Monitor(const std::string& name, const std::string& device, int left,
                    const std::string& extra = "") {
    return "monitor " + name + "\ndevice " + device + "\ndesktop " + std::to_string(left) + " 0 " +
           std::to_string(left + 1920) + " 1080\n" +
           "caps (prot(monitor)vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))\n"
           "slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)\n"
           "slot 1 hex 040110 0a020200 ff\nslot 2 text  S-" +
           name + " \nslot 3 text M-" + name + "\n" + extra;
}

TEST(MonitorList, BuildsStatesWithIdentityAndSelectsSmallestDisplay) {
    SimMachine sim(Monitor("b", "\\\\.\\DISPLAY2", 1920) + Monitor("a", "\\\\.\\DISPLAY1", 0));
    CMonitorStatusAll all;
    EXPECT_TRUE(RebuildMonitorList(sim.ctrl, all)) << "from nothing to two monitors";
    ASSERT_EQ(all.monitors.size(), 2u);
    EXPECT_EQ(all.monitors[0]->serialNumber, "S-b") << "trimmed";
    EXPECT_EQ(all.monitors[0]->identityKey, "S-bM-b");
    EXPECT_EQ(all.monitors[0]->information.audioFlags, 0x80000002u);
    EXPECT_EQ(all.currentIndex, 1) << "DISPLAY1 has the smallest display number";
    EXPECT_EQ(all.Current().deviceName, "\\\\.\\DISPLAY1");
    EXPECT_EQ(all.currentHandle, all.Current().physicalHandle);
    EXPECT_EQ(sim.system.bus.Monitor(0).Owner(), 0u) << "ownership released";
    EXPECT_FALSE(sim.ctrl.HasOwnership());

    EXPECT_FALSE(RebuildMonitorList(sim.ctrl, all)) << "same monitors, same keys";
}

TEST(MonitorList, UnreadableMonitorsAreDropped) {
    const std::string bad[] = {
        "slot 2 text    \n",      // blank serial number
        "fault read 10 ed 30\n",  // model name never completes
        "slot 1 hex 040100 ff\n", // not controllable
        "slot 1 length 0\n",      // zero information block
    };
    for (const auto& extra : bad) {
        SimMachine sim(Monitor("a", "\\\\.\\DISPLAY1", 0, extra));
        CMonitorStatusAll all;
        RebuildMonitorList(sim.ctrl, all);
        EXPECT_TRUE(all.monitors.empty()) << extra;
        EXPECT_EQ(all.currentIndex, -1);
        EXPECT_FALSE(all.HasCurrent());
        EXPECT_EQ(&all.Current(), &NullMonitor());
        EXPECT_EQ(sim.system.bus.Monitor(0).Owner(), 0u) << "released even when dropped: " << extra;
    }
}

TEST(MonitorList, SameDisplayNumberAndDeviceIsOneMonitor) {
    SimMachine sim(Monitor("a", "\\\\.\\DISPLAY1", 0) + Monitor("b", "\\\\.\\DISPLAY3", 0));
    CMonitorStatusAll all;
    ASSERT_TRUE(sim.ctrl.Enumerate());
    BuildMonitorState(sim.ctrl, sim.ctrl.Entry(0), all);
    sim.ctrl.Entry(1).displayNumber = sim.ctrl.Entry(0).displayNumber;
    sim.ctrl.Entry(1).monitorInfo.device = sim.ctrl.Entry(0).monitorInfo.device;
    EXPECT_FALSE(BuildMonitorState(sim.ctrl, sim.ctrl.Entry(1), all));
    EXPECT_EQ(all.monitors.size(), 1u);
}

TEST(MonitorList, SelectionRules) {
    CMonitorStatusAll all;
    all.SelectFirst();
    EXPECT_EQ(all.currentIndex, -1);
    EXPECT_EQ(all.currentHandle, nullptr);
    PhysicalHandle handles[3] = {};
    for (int number : {21, 11, 11}) {
        auto state = std::make_unique<CMonitorStatus>();
        state->displayNumber = number;
        state->physicalHandle = &handles[all.monitors.size()];
        all.monitors.push_back(std::move(state));
    }
    all.SelectFirst();
    EXPECT_EQ(all.currentIndex, 1) << "the first of a tie wins";
    all.SelectByIndex(3);
    EXPECT_EQ(all.currentIndex, 1) << "out of range is ignored";
    all.SelectByIndex(0);
    EXPECT_EQ(all.currentHandle, &handles[0]);

    all.monitors[0]->displayNumber = 65535;
    all.monitors[1]->displayNumber = 70000;
    all.monitors[2]->displayNumber = 65535;
    all.SelectFirst();
    EXPECT_EQ(all.currentIndex, -1) << "only numbers below 65,535 count";
    EXPECT_EQ(all.currentHandle, nullptr) << "and the monitor current before is current no more";
}

TEST(MonitorList, ChangeIsReportedWhenAKeyDiffers) {
    SimMachine sim(Monitor("a", "\\\\.\\DISPLAY1", 0));
    CMonitorStatusAll all;
    RebuildMonitorList(sim.ctrl, all);
    all.monitors[0]->identityKey = "someone else";
    EXPECT_TRUE(RebuildMonitorList(sim.ctrl, all));
}

} // namespace
