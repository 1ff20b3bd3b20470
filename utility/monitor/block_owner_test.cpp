// Block transfers and the owner register against the simulated monitor.
#include "sim/testing/sim_machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using Lines = std::vector<std::string>;

const std::string kMonitor = R"(
self 8000 DimoraDdcci.exe
process 4000 EXPLORER.EXE
monitor test
caps (vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))
slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)
slot 2 text SERIAL-0123456789
)";

std::size_t Count(const Lines& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const auto& l) { return l.rfind(prefix, 0) == 0; }));
}

class BlockTest : public testing::Test {
  protected:
    void Own(SimMachine& machine) {
        ASSERT_TRUE(machine.ctrl.TakeOwnership(machine.handle, Retry::Yes));
        machine.Take();
    }
    std::uint8_t buffer[64];
    std::size_t length = 0;
};

TEST_F(BlockTest, EighteenBytesAreFiveWordsCutToEighteen) {
    SimMachine sim(kMonitor + "slot 3 hex 4558 2d32 3435 3157 0000 0000 0000 0000 4142\n");
    Own(sim);
    std::memset(buffer, 0xCC, sizeof buffer);
    ASSERT_TRUE(sim.ctrl.ReadBlock(sim.state, 3, buffer, 18, PageSelect::Write, &length));
    EXPECT_EQ(length, 18u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 6), "EX-245");
    EXPECT_EQ(buffer[16], 0x41);
    EXPECT_EQ(buffer[17], 0x42);
    EXPECT_EQ(buffer[18], 0xCC) << "nothing beyond the capacity";
    const Lines trace = sim.Take();
    EXPECT_EQ(trace[0], "set e1=10 ok");
    EXPECT_EQ(trace[2], "get eb ok cur=12 max=ffff");
    EXPECT_EQ(trace[4], "set ec=0 ok");
    EXPECT_EQ(Count(trace, "get ed ok"), 5u);
}

TEST_F(BlockTest, ZeroLengthReadsNoWords) {
    SimMachine sim(kMonitor + "slot 1 length 0\n");
    Own(sim);
    ASSERT_TRUE(
        sim.ctrl.ReadBlock(sim.state, 1, buffer, sizeof buffer, PageSelect::Write, &length));
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(sim.Take(), (Lines{"set e1=10 ok", "sleep 20", "get e5 ok cur=0 max=ffff", "sleep 20",
                                 "set e6=0 ok", "sleep 20"}));
}

TEST_F(BlockTest, FailedWordIsReadAgainFromItsOffset) {
    SimMachine sim(kMonitor + "fault read 10 ea 2\n");
    Own(sim);
    ASSERT_TRUE(sim.ctrl.ReadBlock(sim.state, 2, buffer, 18, PageSelect::Write, &length));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 17), "SERIAL-0123456789");
    const Lines trace = sim.Take();
    EXPECT_EQ(Count(trace, "get ea fail"), 2u);
    EXPECT_EQ(Count(trace, "set e9=0 ok"), 3u) << "offset reset, then one resync per failure";
    EXPECT_EQ(Count(trace, "sleep 100"), 2u);
}

TEST_F(BlockTest, ThirtyFailuresOverTheWholeBlockGiveUp) {
    // Failures spread over several words still add up: 29 pass, the 30th gives up.
    SimMachine survives(kMonitor + "fault read 10 ea 29\n");
    Own(survives);
    EXPECT_TRUE(survives.ctrl.ReadBlock(survives.state, 2, buffer, 18, PageSelect::Write));

    SimMachine fails(kMonitor + "fault read 10 ea 30\n");
    Own(fails);
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_FALSE(fails.ctrl.ReadBlock(fails.state, 2, buffer, 18, PageSelect::Write));
    EXPECT_EQ(buffer[0], 0xCC) << "buffer untouched on failure";
    EXPECT_EQ(Count(fails.Take(), "get ea fail"), 30u);
}

TEST_F(BlockTest, HugeAnnouncedLengthStopsAtCapacity) {
    SimMachine sim(kMonitor + "slot 2 length 60000\n");
    Own(sim);
    ASSERT_TRUE(sim.ctrl.ReadBlock(sim.state, 2, buffer, 18, PageSelect::Write, &length));
    EXPECT_EQ(length, 18u);
    EXPECT_EQ(Count(sim.Take(), "get ea ok"), 5u);
}

TEST_F(BlockTest, SlotsOneToThreeMustBeDeclared) {
    SimMachine sim(kMonitor);
    sim.state.vendorPages.erase(VendorKey{0x10, 0xEA});
    Own(sim);
    EXPECT_FALSE(sim.ctrl.ReadBlock(sim.state, 2, buffer, 18, PageSelect::Write));
    EXPECT_TRUE(sim.Take().empty());
    sim.state.vendorPages.clear();
    EXPECT_TRUE(sim.ctrl.ReadBlock(sim.state, 0, buffer, sizeof buffer, PageSelect::Write))
        << "slot 0 is read before the page map exists";
}

class OwnerTest : public testing::Test {};

TEST_F(OwnerTest, FreeRegisterIsClaimedWithOurIdentifier) {
    SimMachine sim(kMonitor);
    EXPECT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::Yes));
    EXPECT_EQ(sim.Take(), (Lines{"get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok",
                                 "sleep 10", "get e0 ok cur=1f40 max=ffff", "sleep 20"}));
    EXPECT_EQ(sim.Monitor().Owner(), 8000u);
    EXPECT_TRUE(sim.ctrl.ReleaseOwnership(sim.handle));
    EXPECT_EQ(sim.Take(), (Lines{"set e0=0 ok", "sleep 10"}));
    EXPECT_FALSE(sim.ctrl.HasOwnership());
}

TEST_F(OwnerTest, OwnerLeftByExitedProcessIsTakenOver) {
    SimMachine sim(kMonitor + "owner 4321\n");
    EXPECT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::Yes));
    EXPECT_EQ(sim.Monitor().Owner(), 8000u);
    // Without a process table nobody can tell whether 4321 still runs: the monitor stays its.
    SimMachine blind(kMonitor + "owner 4321\n");
    blind.system.processes.snapshotFails = true;
    EXPECT_FALSE(blind.ctrl.TakeOwnership(blind.handle, Retry::No));
    EXPECT_EQ(blind.Monitor().Owner(), 4321u);
}

TEST_F(OwnerTest, LiveOtherProgramKeepsTheMonitor) {
    SimMachine sim(kMonitor + "owner 4000\n");
    EXPECT_FALSE(sim.ctrl.TakeOwnership(sim.handle, Retry::Yes));
    const Lines trace = sim.Take();
    EXPECT_EQ(Count(trace, "get e0 ok"), 5u);
    EXPECT_EQ(Count(trace, "sleep 200"), 4u);
    EXPECT_EQ(Count(trace, "set e0"), 0u);
    EXPECT_EQ(sim.Monitor().Owner(), 4000u);
    EXPECT_TRUE(sim.ctrl.ReleaseOwnership(sim.handle)) << "nothing to release";
    EXPECT_TRUE(sim.Take().empty());
}

TEST_F(OwnerTest, OwnerIsMatchedOnTheLowSixteenBits) {
    // 0x12345 wrote its identifier; the monitor kept 0x2345.
    SimMachine other(kMonitor + "owner 9029\n");
    other.system.processes.others.push_back({0x12345, "OTHERTOOL.EXE"});
    EXPECT_FALSE(other.ctrl.TakeOwnership(other.handle, Retry::No));

    // We are 0x31F40; after our own write the register holds 0x1F40, and that is still us.
    SimMachine self(kMonitor);
    self.system.processes.self.id = 0x31F40;
    ASSERT_TRUE(self.ctrl.TakeOwnership(self.handle, Retry::No));
    EXPECT_EQ(self.Monitor().Owner(), 0x1F40u);
    EXPECT_TRUE(self.ctrl.TakeOwnership(self.handle, Retry::No))
        << "our own claim does not lock us out";
}

TEST_F(OwnerTest, IdentifiersAboveSixteenBitsAreWrittenAndComparedAlike) {
    struct Row {
        const char* name;
        std::uint32_t self;
        std::uint32_t written; // what our claim leaves in the register
    } const rows[] = {
        {"below 65536", 8000, 8000},
        {"low bits kept", 0x31F40, 0x1F40},
        {"low bits zero write 1", 0x20000, 1},
        {"65536 itself", 0x10000, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimMachine sim(kMonitor);
        sim.system.processes.self.id = row.self;
        ASSERT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::No));
        EXPECT_EQ(sim.Monitor().Owner(), row.written);
        EXPECT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::No)) << "our own value is ours";
    }
    // A register of 1 belongs to whichever running process has low bits 0: another program
    // keeps it, another copy of this one does not.
    const struct {
        const char* exe;
        bool free;
    } owners[] = {{"OTHERTOOL.EXE", false}, {"DimoraDdcci.exe", true}};
    for (const auto& owner : owners) {
        SCOPED_TRACE(owner.exe);
        SimMachine sim(kMonitor + "owner 1\n");
        sim.system.processes.others.push_back({0x50000, owner.exe});
        EXPECT_EQ(sim.ctrl.TakeOwnership(sim.handle, Retry::No), owner.free);
    }
}

TEST_F(OwnerTest, AnotherCopyOfThisProgramDoesNotKeepIt) {
    SimMachine sim(kMonitor + "owner 4100\n");
    sim.system.processes.others.push_back({4100, "C:\\Program Files\\Visomat\\DimoraDdcci.EXE"});
    EXPECT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::No));
}

TEST_F(OwnerTest, AClaimTheMonitorIgnoredIsNoticedAndNothingElseIsSent) {
    SimMachine sim(kMonitor + "ignore write 0 e0 1\n");
    EXPECT_FALSE(sim.ctrl.TakeOwnership(sim.handle, Retry::No));
    EXPECT_EQ(sim.Take(), (Lines{"get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok",
                                 "sleep 10", "get e0 ok cur=0 max=ffff", "sleep 20"}));
    EXPECT_FALSE(sim.ctrl.HasOwnership());
    EXPECT_FALSE(sim.ctrl.ReadBlock(sim.state, 2, nullptr, 0, PageSelect::Write));
    EXPECT_TRUE(sim.ctrl.ReleaseOwnership(sim.handle));
    EXPECT_TRUE(sim.Take().empty());
}

TEST_F(OwnerTest, UnreadableRegisterIsNotTaken) {
    SimMachine sim(kMonitor + "fault read 0 e0 5\n");
    EXPECT_FALSE(sim.ctrl.TakeOwnership(sim.handle, Retry::Yes));
    EXPECT_FALSE(sim.ctrl.TakeOwnership(nullptr, Retry::No));
}

TEST_F(OwnerTest, ReleaseWithNullHandleClearsTheFlag) {
    SimMachine sim(kMonitor);
    ASSERT_TRUE(sim.ctrl.TakeOwnership(sim.handle, Retry::No));
    sim.Take();
    EXPECT_FALSE(sim.ctrl.ReleaseOwnership(nullptr));
    EXPECT_FALSE(sim.ctrl.HasOwnership());
    EXPECT_TRUE(sim.Take().empty());
}

} // namespace
