// Reads and writes through the VCP layer against the simulated monitor, checked on the bus trace.
#include "sim/testing/sim_machine.h"
#include "utility/monitor/monitor_list.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const std::string kMonitor = R"(
self 8000 DimoraDdcci.exe
monitor test
caps (prot(monitor)vcp(10 12 14(05 08) 62 e0 e1)mswhql(1)mccs_ver(2.2))
vcp 10 50 100
vcp 12 40 100
vcp 14 5 11
vcp 62 20 100
vendor 20 e2 1 1
vendor 20 e6 0 1
vendor 30 e2 0 36
vendor 30 e5 0 1
vendor e0 e4 1 255
vendor e0 e5 2 255
vendor e0 e6 3 255
vendor e0 e7 4 255
vendor e0 e8 0 1
slot 0 text 10(e2 e3 e4)20(e2 e6)30(e2 e5)e0(e4 e5 e6 e7 e8)
)";

class DeviceCtrlTest : public testing::Test {
  protected:
    SimMachine sim{kMonitor};
    DeviceCtrl& ctrl = sim.ctrl;
    CMonitorStatus& state = sim.state;
    std::uint32_t cur = 0, max = 0;
};

TEST_F(DeviceCtrlTest, StandardWriteSendsAndPausesForItsCode) {
    EXPECT_TRUE(ctrl.WriteFeature(state, 0, 0x10, 50, PageSelect::Write));
    EXPECT_EQ(sim.Take(), (Lines{"set 10=32 ok", "sleep 35"}));
    EXPECT_TRUE(ctrl.WriteFeature(state, 0, 0x62, 7, PageSelect::Write));
    EXPECT_EQ(sim.Take(), (Lines{"set 62=7 ok", "sleep 30"}));
    EXPECT_EQ(sim.Monitor().Value(0, 0x62), 7u);
}

TEST_F(DeviceCtrlTest, UndeclaredOrUnpausedCodesAreNeverSent) {
    EXPECT_FALSE(ctrl.WriteFeature(state, 0, 0x16, 50, PageSelect::Write)) << "0x16 not declared";
    EXPECT_FALSE(ctrl.WriteFeature(state, 0, 0x14, 0x06, PageSelect::Write)) << "value not listed";
    EXPECT_FALSE(ctrl.WriteFeature(state, 0, 0x14, 0x05, PageSelect::Write))
        << "declared, but no pause";
    EXPECT_FALSE(ctrl.ReadFeature(state, 0, 0x16, &cur, &max, PageSelect::Write, Retry::Yes));
    EXPECT_TRUE(sim.Take().empty());
}

TEST_F(DeviceCtrlTest, StandardReadNeedsNoOwnership) {
    EXPECT_TRUE(ctrl.ReadFeature(state, 0, 0x12, &cur, &max, PageSelect::Write, Retry::No));
    EXPECT_EQ(cur, 40u);
    EXPECT_EQ(max, 100u);
    EXPECT_EQ(sim.Take(), (Lines{"get 12 ok cur=28 max=64", "sleep 20"}));
}

TEST_F(DeviceCtrlTest, ReadRetriesFiveTimesWithPauses) {
    SimMachine flaky(kMonitor + "fault read 0 10 4\n");
    EXPECT_TRUE(
        flaky.ctrl.ReadFeature(flaky.state, 0, 0x10, &cur, &max, PageSelect::Write, Retry::Yes));
    EXPECT_EQ(cur, 50u);
    EXPECT_EQ(flaky.Take(), (Lines{"get 10 fail", "sleep 20", "sleep 30", "get 10 fail", "sleep 20",
                                   "sleep 30", "get 10 fail", "sleep 20", "sleep 30", "get 10 fail",
                                   "sleep 20", "sleep 30", "get 10 ok cur=32 max=64", "sleep 20"}));

    SimMachine dead(kMonitor + "fault read 0 10 5\n");
    EXPECT_FALSE(
        dead.ctrl.ReadFeature(dead.state, 0, 0x10, &cur, &max, PageSelect::Write, Retry::Yes));
    EXPECT_EQ(dead.Take().size(), 5u * 2 + 4u) << "five reads, four retry pauses";

    SimMachine once(kMonitor + "fault read 0 10 1\n");
    EXPECT_FALSE(
        once.ctrl.ReadFeature(once.state, 0, 0x10, &cur, &max, PageSelect::Write, Retry::No));
    EXPECT_EQ(once.Take(), (Lines{"get 10 fail", "sleep 20"}));
}

TEST_F(DeviceCtrlTest, VendorOperationsNeedOwnership) {
    EXPECT_FALSE(ctrl.ReadFeature(state, 0x30, 0xE2, &cur, &max, PageSelect::Write, Retry::Yes));
    EXPECT_FALSE(ctrl.WriteFeature(state, 0x30, 0xE2, 5, PageSelect::Write));
    std::array<std::uint32_t, 4> group{};
    EXPECT_FALSE(ctrl.ReadFeatureGroup(state, group, PageSelect::Write));
    EXPECT_FALSE(ctrl.WriteFeatureGroup(state, group, PageSelect::Write));
    std::uint8_t block[8];
    EXPECT_FALSE(ctrl.ReadBlock(state, 0, block, sizeof block, PageSelect::Write));
    EXPECT_TRUE(sim.Take().empty());
}

TEST_F(DeviceCtrlTest, PictureModeWriteSelectsPageThenPauses) {
    ASSERT_TRUE(ctrl.TakeOwnership(sim.handle, Retry::Yes));
    sim.Take();
    EXPECT_TRUE(ctrl.WriteFeature(state, 0x30, 0xE2, 5, PageSelect::Write));
    EXPECT_EQ(sim.Take(), (Lines{"set e1=30 ok", "sleep 20", "set e2=5 ok", "sleep 340"}));
    EXPECT_TRUE(ctrl.WriteFeature(state, 0x30, 0xE2, 6, PageSelect::Skip));
    EXPECT_EQ(sim.Take(), (Lines{"set e2=6 ok", "sleep 340"}));
    EXPECT_EQ(sim.Monitor().Value(0x30, 0xE2), 6u);
}

TEST_F(DeviceCtrlTest, VendorValueListAndPauseTableGateWrites) {
    SimMachine listed(kMonitor);
    auto& pages = listed.state.vendorPages;
    pages.clear();
    ASSERT_TRUE(ParseVendorPages("30(e2(00 01 02) e5)", pages));
    ASSERT_TRUE(listed.ctrl.TakeOwnership(listed.handle, Retry::Yes));
    listed.Take();
    EXPECT_FALSE(listed.ctrl.WriteFeature(listed.state, 0x30, 0xE2, 5, PageSelect::Write));
    EXPECT_FALSE(listed.ctrl.WriteFeature(listed.state, 0x30, 0xE5, 0, PageSelect::Write))
        << "user-colour state is read only";
    EXPECT_TRUE(listed.Take().empty());
    EXPECT_TRUE(listed.ctrl.WriteFeature(listed.state, 0x30, 0xE2, 2, PageSelect::Write));
}

TEST_F(DeviceCtrlTest, VendorReadFailsWhenPageSelectFails) {
    SimMachine sim2(kMonitor + "fault write 0 e1 1\n");
    ASSERT_TRUE(sim2.ctrl.TakeOwnership(sim2.handle, Retry::Yes));
    sim2.Take();
    EXPECT_FALSE(
        sim2.ctrl.ReadFeature(sim2.state, 0x30, 0xE2, &cur, &max, PageSelect::Write, Retry::Yes));
    EXPECT_EQ(sim2.Take(), (Lines{"set e1=30 fail", "sleep 20"}));
}

TEST_F(DeviceCtrlTest, GroupReadAndWrite) {
    ASSERT_TRUE(ctrl.TakeOwnership(sim.handle, Retry::Yes));
    sim.Take();
    std::array<std::uint32_t, 4> values{};
    ASSERT_TRUE(ctrl.ReadFeatureGroup(state, values, PageSelect::Write));
    EXPECT_EQ(values, (std::array<std::uint32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(sim.Take().front(), "set e1=e0 ok");

    ASSERT_TRUE(ctrl.WriteFeatureGroup(state, {9, 8, 7, 6}, PageSelect::Skip));
    EXPECT_EQ(sim.Take(),
              (Lines{"set e4=9 ok", "sleep 10", "set e5=8 ok", "sleep 10", "set e6=7 ok",
                     "sleep 10", "set e7=6 ok", "sleep 10", "set e8=1 ok", "sleep 13"}));
    EXPECT_EQ(sim.Monitor().Value(0xE0, 0xE6), 7u);
}

TEST_F(DeviceCtrlTest, GroupReadStopsAtFirstFailureAndKeepsOutput) {
    SimMachine sim2(kMonitor + "fault read e0 e6 1\n");
    ASSERT_TRUE(sim2.ctrl.TakeOwnership(sim2.handle, Retry::Yes));
    std::array<std::uint32_t, 4> values{11, 12, 13, 14};
    EXPECT_FALSE(sim2.ctrl.ReadFeatureGroup(sim2.state, values, PageSelect::Write));
    EXPECT_EQ(values, (std::array<std::uint32_t, 4>{11, 12, 13, 14}));
}

TEST_F(DeviceCtrlTest, AdjustmentPermittedOnlyWithOneAndZero) {
    ASSERT_TRUE(ctrl.TakeOwnership(sim.handle, Retry::Yes));
    EXPECT_TRUE(ctrl.IsAdjustmentPermitted(state));

    SimMachine refused(kMonitor + "vendor 20 e2 0 1\n");
    ASSERT_TRUE(refused.ctrl.TakeOwnership(refused.handle, Retry::Yes));
    EXPECT_FALSE(refused.ctrl.IsAdjustmentPermitted(refused.state));

    SimMachine busy(kMonitor + "vendor 20 e6 1 1\n");
    ASSERT_TRUE(busy.ctrl.TakeOwnership(busy.handle, Retry::Yes));
    EXPECT_FALSE(busy.ctrl.IsAdjustmentPermitted(busy.state));
}

TEST_F(DeviceCtrlTest, MissingStateOrHandleFailsAtOnce) {
    EXPECT_FALSE(
        ctrl.ReadFeature(NullMonitor(), 0, 0x10, &cur, &max, PageSelect::Write, Retry::Yes));
    CMonitorStatus noHandle;
    noHandle.capabilityCodes = state.capabilityCodes;
    EXPECT_FALSE(ctrl.WriteFeature(noHandle, 0, 0x10, 1, PageSelect::Write));
    EXPECT_FALSE(ctrl.TakeOwnership(nullptr, Retry::Yes));
    EXPECT_TRUE(sim.Take().empty()) << "no transaction and no pause";
}

} // namespace
