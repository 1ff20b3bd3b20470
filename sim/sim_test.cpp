// The simulator itself: the shipped descriptions load and describe maker monitors, bad
// descriptions are refused with their line, and the injected faults behave as documented.
#include "sim/testing/sim_machine.h"

#include <gtest/gtest.h>

namespace {

class ShippedDescription : public testing::TestWithParam<const char*> {};

TEST_P(ShippedDescription, LoadsAndParses) {
    SimSystem system;
    std::string error;
    ASSERT_TRUE(
        LoadSimDescriptionFile(std::string(DIMORA_SIM_MONITORS "/") + GetParam(), system, error))
        << error;
    for (std::size_t i = 0; i < system.bus.Count(); ++i) {
        const auto& config = system.bus.Monitor(static_cast<int>(i)).Config();
        CapabilityCodes codes;
        VendorPageMap pages;
        EXPECT_TRUE(ParseCapabilities(config.capabilities, codes)) << config.name;
        if (!config.makerRecognised)
            continue; // another maker's monitor need not speak the vendor extension
        EXPECT_TRUE(Contains(codes, 0xE0, -1) && Contains(codes, 0xE1, -1)) << config.name;
        EXPECT_TRUE(
            ParseVendorPages(std::string(config.slots[0].begin(), config.slots[0].end()), pages))
            << config.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedDescription,
                         testing::Values("typical.txt", "odd.txt", "busy.txt", "dual.txt",
                                         "single.txt", "dead.txt", "none.txt"));

TEST(SimDescription, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"vcp 10 1 2\n", "line 1: 'vcp' before any 'monitor' line"},
        {"monitor m\nvcp zz 1 2\n", "line 2: expected: vcp CODE CURRENT MAXIMUM"},
        {"monitor m\nslot 4 text x\n", "line 2: expected: slot N text|hex|length ..."},
        {"monitor m\nslot 1 hex 123\n", "line 2: hex bytes come in pairs of digits: 123"},
        {"monitor m\nfrobnicate\n", "line 2: unknown directive 'frobnicate'"},
        {"monitor m\ncall-cost put 40\n", "line 2: expected: call-cost get|set|caps MS"},
        {"monitor m\nignore read 0 10 1\n", "line 2: expected: ignore write PAGE CODE COUNT"},
        {"monitor m\ndead-ms soon\n", "line 2: expected: dead-ms MS"},
        {"# nothing\n", "no monitor described"},
    };
    for (const auto& [text, message] : bad) {
        SimSystem system;
        std::istringstream in(text);
        std::string error;
        EXPECT_FALSE(LoadSimDescription(in, system, error)) << text;
        EXPECT_EQ(error, message) << text;
    }
}

TEST(SimMonitor, VanishedMonitorAnswersNothing) {
    SimMachine sim("monitor m\ncaps vcp(10)\nvcp 10 1 2\nvanish 1\n");
    std::uint32_t cur = 0, max = 0;
    EXPECT_TRUE(sim.system.bus.GetVcpFeature(sim.handle, 0x10, cur, max));
    EXPECT_FALSE(sim.system.bus.GetVcpFeature(sim.handle, 0x10, cur, max));
    EXPECT_FALSE(sim.system.bus.SetVcpFeature(sim.handle, 0x10, 1));
}

TEST(SimMonitor, CapabilitiesFailuresThenTheString) {
    SimMachine sim("monitor m\ncaps vcp(10)mswhql(1)mccs_ver(2)\ncaps-fail 1\n");
    std::uint32_t length = 0;
    EXPECT_FALSE(sim.system.bus.GetCapabilitiesStringLength(sim.handle, length));
    ASSERT_TRUE(sim.system.bus.GetCapabilitiesStringLength(sim.handle, length));
    std::string text(length, '\0');
    ASSERT_TRUE(sim.system.bus.CapabilitiesRequestAndReply(sim.handle, text.data(), length));
    EXPECT_STREQ(text.c_str(), "vcp(10)mswhql(1)mccs_ver(2)");
}

TEST(SimMonitor, RegistersFollowWritesAndTheOwnerKeepsSixteenBits) {
    SimMachine sim("monitor m\nvcp 10 1 100\nvendor 30 e2 0 36\nslot 1 hex 0102030405\n");
    auto& bus = sim.system.bus;
    std::uint32_t cur = 0, max = 0;
    EXPECT_TRUE(bus.SetVcpFeature(sim.handle, 0x10, 500));
    EXPECT_EQ(sim.Monitor().Value(0, 0x10), 100u) << "clamped to the maximum";
    EXPECT_TRUE(bus.SetVcpFeature(sim.handle, 0xE0, 0x12345));
    EXPECT_EQ(sim.Monitor().Owner(), 0x2345u);
    EXPECT_FALSE(bus.GetVcpFeature(sim.handle, 0xE2, cur, max)) << "page 0 has no vendor codes";
    EXPECT_TRUE(bus.SetVcpFeature(sim.handle, 0xE1, 0x10));
    EXPECT_TRUE(bus.GetVcpFeature(sim.handle, 0xE7, cur, max));
    EXPECT_EQ(max, 0x0102u);
    EXPECT_EQ(cur, 0x0304u);
    EXPECT_TRUE(bus.GetVcpFeature(sim.handle, 0xE7, cur, max));
    EXPECT_EQ(max, 0x0500u) << "bytes past the end read as zero";
    EXPECT_FALSE(bus.SetVcpFeature(sim.handle, 0xE7, 1)) << "data register is read only";
}

TEST(SimMonitor, TransactionsTakeAndApplyWhatTheDescriptionSays) {
    enum class Op { Get, Set, Caps };
    struct Row {
        const char* lines;
        Op op;
        std::uint32_t value; // written to 0x10 (or to 0x20, which the monitor lacks, when 0)
        bool ok;
        std::uint32_t ms;
        std::uint32_t brightness; // 0x10 afterwards
        const char* line;
    } const rows[] = {
        {"call-cost get 40", Op::Get, 0, true, 40, 1, "get 10 ok cur=1 max=64"},
        {"call-cost set 50\nanswer-ms 5", Op::Set, 7, true, 55, 7, "set 10=7 ok"},
        {"call-cost get 40\nvanish 0\ndead-ms 3500", Op::Get, 0, false, 3500, 1,
         "get 10 fail after 3500 ms"},
        {"dead\ndead-ms 3300\ncall-cost caps 900", Op::Caps, 0, false, 3300, 1,
         "caps fail after 3300 ms"},
        {"fault write 0 10 1", Op::Set, 7, false, 0, 1, "set 10=7 fail"},
        {"ignore write 0 10 1", Op::Set, 7, true, 0, 1, "set 10=7 ok"},
        {"acknowledge-writes", Op::Set, 0, true, 0, 1, "set 20=5 ok"},
        {"", Op::Set, 0, false, 0, 1, "set 20=5 fail"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines);
        SimMachine sim(std::string("monitor m\ncaps vcp(10)\nvcp 10 1 100\n") + row.lines + "\n");
        auto& bus = sim.system.bus;
        std::uint32_t cur = 0, max = 0;
        bool ok = false;
        switch (row.op) {
        case Op::Get:
            ok = bus.GetVcpFeature(sim.handle, 0x10, cur, max);
            break;
        case Op::Set:
            ok = row.value ? bus.SetVcpFeature(sim.handle, 0x10, row.value)
                           : bus.SetVcpFeature(sim.handle, 0x20, 5);
            break;
        case Op::Caps:
            ok = bus.GetCapabilitiesStringLength(sim.handle, cur);
            break;
        }
        EXPECT_EQ(ok, row.ok);
        EXPECT_EQ(sim.system.clock.Now(), row.ms) << "spent on the virtual clock";
        EXPECT_EQ(sim.system.trace.CallMs(), row.ms);
        EXPECT_EQ(sim.system.trace.PausedMs(), 0u) << "a transaction's time is not a pause";
        EXPECT_EQ(sim.Monitor().Value(0, 0x10), row.brightness);
        EXPECT_EQ(sim.Take(), std::vector<std::string>{row.line});
    }
}

TEST(SimTrace, CountsTransactionsAndPauses) {
    SimMachine sim("monitor m\ncaps vcp(10 e0 e1)mswhql(1)mccs_ver(2)\nvcp 10 1 100\n");
    sim.ctrl.WriteFeature(sim.state, 0, 0x10, 5, PageSelect::Write);
    std::uint32_t cur = 0, max = 0;
    sim.ctrl.ReadFeature(sim.state, 0, 0x10, &cur, &max, PageSelect::Write, Retry::Yes);
    EXPECT_EQ(sim.system.trace.Transactions(), 2u);
    EXPECT_EQ(sim.system.trace.PausedMs(), 55u);
    EXPECT_EQ(sim.system.clock.Now(), 55u);
}

} // namespace
