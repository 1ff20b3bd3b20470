// Enumeration against simulated desktops: entries, labels, and every check that can fail.
#include "sim/testing/sim_desktop.h"
#include "sim/testing/sim_machine.h"
#include "utility/monitor/monitor_list.h"

#include <gtest/gtest.h>

namespace {

// A well-behaved maker monitor on DISPLAY<n>.
std::string Monitor(const std::string& name, int display, int left, const std::string& extra = "") {
    return "monitor " + name + "\ndevice \\\\.\\DISPLAY" + std::to_string(display) + "\ndesktop " +
           std::to_string(left) + " 0 " + std::to_string(left + 1920) + " 1080\n" +
           "caps (prot(monitor)vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))\n"
           "slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)\n"
           "slot 1 hex 040110 ff\nslot 2 text S" +
           name + "\nslot 3 text M" + name + "\n" + extra;
}

TEST(Enumerate, OneAndTwoPhysicalMonitorsGetTheirLabels) {
    SimMachine sim(Monitor("a", 1, 0) + Monitor("b", 2, 1920) + Monitor("c", 2, 1920));
    ASSERT_TRUE(sim.ctrl.Enumerate());
    ASSERT_EQ(sim.ctrl.EntryCount(), 3u);
    EXPECT_EQ(sim.ctrl.PhysicalCount(), 3);
    const std::pair<const char*, int> expected[] = {{"1", 10}, {"2-1", 21}, {"2-2", 22}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sim.ctrl.Entry(i).displayLabel, expected[i].first);
        EXPECT_EQ(sim.ctrl.Entry(i).displayNumber, expected[i].second);
        EXPECT_TRUE(sim.ctrl.Entry(i).supported) << i;
    }
    EXPECT_EQ(sim.ctrl.Entry(1).vendorPages.size(), 12u);
    EXPECT_EQ(sim.ctrl.Entry(2).description, "c");
}

struct CheckCase {
    const char* name;
    std::string description;
    EntryCheck failed;
};

class EntryChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(EntryChecks, UnsupportedEntryStaysListed) {
    SimMachine sim(GetParam().description);
    EXPECT_FALSE(sim.ctrl.Enumerate());
    ASSERT_EQ(sim.ctrl.EntryCount(), 1u);
    EXPECT_FALSE(sim.ctrl.Entry(0).supported);
    EXPECT_EQ(sim.ctrl.Entry(0).failedCheck, GetParam().failed)
        << EntryCheckName(sim.ctrl.Entry(0).failedCheck);
}

INSTANTIATE_TEST_SUITE_P(
    Monitors, EntryChecks,
    testing::Values(
        CheckCase{"NotReportedByLibrary", Monitor("a", 1, 0, "maker no\n"),
                  EntryCheck::NotMakerMonitor},
        CheckCase{"CapabilitiesNeverAnswer", Monitor("a", 1, 0, "caps-fail 50\n"),
                  EntryCheck::NoCapabilities},
        CheckCase{"NoVcpList", Monitor("a", 1, 0, "caps (prot(monitor)mswhql(1)mccs_ver(2))\n"),
                  EntryCheck::CapabilitiesParse},
        CheckCase{"NoOwnerRegister", Monitor("a", 1, 0, "caps (vcp(10 e1)mswhql(1)mccs_ver(2))\n"),
                  EntryCheck::NoVendorControl},
        CheckCase{"NoPageRegister", Monitor("a", 1, 0, "caps (vcp(10 e0)mswhql(1)mccs_ver(2))\n"),
                  EntryCheck::NoVendorControl},
        CheckCase{"PageListUnreadable", Monitor("a", 1, 0, "fault read 10 e2 1\n"),
                  EntryCheck::NoVendorPageList},
        CheckCase{"ChannelTimesOut", Monitor("a", 1, 0, "dead\ndead-ms 3500\n"),
                  EntryCheck::NotAnswering},
        CheckCase{"PageListTimesOut", Monitor("a", 1, 0, "fault read 10 e2 1\ndead-ms 3500\n"),
                  EntryCheck::NotAnswering},
        CheckCase{"EmptyPageList", Monitor("a", 1, 0, "slot 0 length 0\nslot 0 text\n"),
                  EntryCheck::EmptyVendorPageList}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(Enumerate, LibraryMustReportTheSamePosition) {
    // The library reports a monitor at 0,0 but this one sits at 1920,0.
    SimMachine sim(Monitor("a", 1, 0) + Monitor("b", 2, 1920, "maker no\n"));
    ASSERT_TRUE(sim.ctrl.Enumerate());
    EXPECT_TRUE(sim.ctrl.Entry(0).supported);
    EXPECT_FALSE(sim.ctrl.Entry(1).supported);
    EXPECT_EQ(sim.ctrl.Entry(1).failedCheck, EntryCheck::NotMakerMonitor);
}

TEST(Enumerate, CapabilitiesAreRetriedWithPauses) {
    SimMachine sim(Monitor("a", 1, 0, "caps-fail 3\n"));
    ASSERT_TRUE(sim.ctrl.Enumerate());
    EXPECT_EQ(sim.ctrl.Entry(0).capabilities, "(prot(monitor)vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))");
    const auto trace = sim.Take();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "caps fail"), 3);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "sleep 200"), 3);
}

TEST(Enumerate, ADeadChannelCostsOneTimeOutAndTheHealthyMonitorIsFound) {
    std::uint64_t took[2] = {};
    const char* files[] = {"single.txt", "dead.txt"};
    for (int i = 0; i < 2; ++i) {
        SimDesktop desk(files[i]);
        CMonitorStatusAll monitors;
        EXPECT_TRUE(RebuildMonitorList(desk.ctrl, monitors)) << files[i];
        ASSERT_EQ(monitors.monitors.size(), 1u) << files[i];
        EXPECT_EQ(monitors.monitors[0]->modelName, "EX-2451W");
        took[i] = desk.system.clock.Now();
    }
    EXPECT_EQ(took[1] - took[0], 3500u) << "one time-out, not fifty capabilities attempts";
}

TEST(Enumerate, PreviousHandlesAreReleasedOnRebuild) {
    SimMachine sim(Monitor("a", 1, 0) + Monitor("b", 2, 1920));
    ASSERT_TRUE(sim.ctrl.Enumerate());
    EXPECT_EQ(sim.system.display.OpenHandles(), 2);
    ASSERT_TRUE(sim.ctrl.Enumerate());
    EXPECT_EQ(sim.system.display.OpenHandles(), 2);
    EXPECT_EQ(sim.ctrl.EntryCount(), 2u);
}

TEST(Enumerate, DeviceNameWithoutDisplayNumber) {
    SimMachine sim("monitor odd\ndevice \\\\.\\MONITOR\ncaps vcp(10)\n");
    sim.ctrl.Enumerate();
    ASSERT_EQ(sim.ctrl.EntryCount(), 1u);
    EXPECT_EQ(sim.ctrl.Entry(0).displayNumber, 0);
    EXPECT_EQ(sim.ctrl.Entry(0).displayLabel, "0");
}

TEST(Enumerate, VendorPageListReadLeavesNoOwnership) {
    SimMachine sim(Monitor("a", 1, 0));
    ASSERT_TRUE(sim.ctrl.Enumerate());
    EXPECT_FALSE(sim.ctrl.HasOwnership());
    EXPECT_EQ(sim.Monitor().Owner(), 0u) << "the owner register is not touched";
}

} // namespace
