// Gamma ramps of the display devices: reading, writing, restoring, luminance, the device list,
// and which devices count as screens of their own.
#include "utility/monitor/display_devices.h"
#include "utility/monitor/gamma.h"
#include "utility/monitor/testing/fake_gamma_port.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class FakeClock : public ClockPort {
  public:
    std::uint32_t now = 1000;
    void Sleep(std::uint32_t ms) override { now += ms; }
    std::uint32_t TickCount() override { return now; }
};

class GammaTest : public testing::Test {
  protected:
    FakeGammaPort port;
    FakeClock clock;
    FakeDevice& display = port.devices.emplace_back("\\\\.\\DISPLAY1");
    CGamma gamma{port, clock};

    void TearDown() override { EXPECT_EQ(port.openDcs, 0) << "every device context is deleted"; }
};

TEST_F(GammaTest, LuminanceRampsRunFromTheLevelUpTo255) {
    gamma.Init(display.name);
    ASSERT_TRUE(gamma.IsUsable());
    gamma.ApplyLuminance(0);
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        EXPECT_EQ(display.written.back()[i], i % 256);
    EXPECT_EQ(display.ramp[200], 200 * 257) << "level 0: the device's own ramp, 16 bits whole";

    gamma.ApplyLuminance(64);
    const GammaRamp raised = display.written.back();
    EXPECT_EQ(raised[0], 64);
    EXPECT_EQ(raised[128], 159);
    EXPECT_EQ(raised[255], 255);

    gamma.ApplyLuminance(-255);
    const GammaRamp steep = display.written.back();
    EXPECT_EQ(steep[127], 0);
    EXPECT_EQ(steep[128], 1);
    EXPECT_EQ(steep[255], 255);

    // A calibrated device (red reaching only 200) keeps its colours' shapes under the shift.
    CGamma calibrated{port, clock};
    for (std::size_t i = 0; i < 256; ++i)
        display.ramp[i] = static_cast<std::uint16_t>(i * 200 / 255 * 257);
    calibrated.Init(display.name);
    calibrated.ApplyLuminance(64);
    EXPECT_EQ(display.written.back()[255], 213) << "64 + 200 x 191 / 255";
    EXPECT_EQ(display.written.back()[256 + 255], 255) << "green as before";
}

// Every luminance the filter offers, over the identity and over a calibrated ramp (a gamma
// correction and a warmer white per colour), stays within what Windows takes without a wider
// range; the rule's edge is just past the filter's range.
TEST(GammaRange, EveryLuminanceStaysWithinWhatWindowsTakes) {
    GammaRamp identity, calibrated;
    for (std::size_t i = 0; i < kGammaRampSize; ++i) {
        const int colour = static_cast<int>(i / 256);
        const double x = static_cast<double>(i % 256) / 255.0;
        const double gamma[] = {0.95, 1.0, 1.06}, white[] = {1.0, 0.96, 0.90};
        identity[i] = static_cast<std::uint16_t>((i % 256) * 257);
        calibrated[i] =
            static_cast<std::uint16_t>(65535 * std::pow(x, gamma[colour]) * white[colour]);
    }
    ASSERT_TRUE(WithinWindowsGammaRange(calibrated));
    for (const GammaRamp* ramp : {&identity, &calibrated}) {
        for (int level = -100; level <= 100; ++level)
            EXPECT_TRUE(WithinWindowsGammaRange(LuminanceRamp(*ramp, level)))
                << (ramp == &identity ? "identity " : "calibrated ") << level;
    }
    EXPECT_TRUE(WithinWindowsGammaRange(LuminanceRamp(identity, 128)));
    EXPECT_FALSE(WithinWindowsGammaRange(LuminanceRamp(identity, 129))) << "entry 0 is 129";
    GammaRamp black{};
    EXPECT_FALSE(WithinWindowsGammaRange(black));
}

// A device that refuses a ramp, takes it and keeps its old one, or cannot say which it shows,
// takes no more ramps and is not waited for; its own ramp is still written back, and after a
// display change it is tried again.
TEST_F(GammaTest, ARefusedOrIgnoredRampStopsTheWritesUntilTheListIsBuiltAgain) {
    struct Case {
        const char* name;
        bool FakeDevice::*fault;
        int readBack; // the ramp's first entry as the device gives it back
    };
    const Case cases[] = {
        {"refused", &FakeDevice::failSets, 0},
        {"ignored", &FakeDevice::ignoresSets, 0},
        {"not read back", nullptr, -1},
    };
    for (const Case& c : cases) {
        GammaList list = BuildGammaDevices(port, clock);
        ASSERT_TRUE(list[0]->IsUsable()) << c.name;
        if (c.fault)
            display.*c.fault = true;
        else
            display.getFailures = -1;
        display.written.clear();
        const auto before = clock.now;
        ApplyFilterLuminance(list, display.name, 40, false);
        EXPECT_EQ(display.written.size(), 1u) << c.name << ": tried once";
        EXPECT_EQ(clock.now, before) << c.name << ": nothing waited for";
        EXPECT_FALSE(list[0]->IsUsable()) << c.name;
        EXPECT_EQ(list[0]->ReadBackStart(), c.readBack) << c.name;
        ApplyFilterLuminance(list, display.name, 50);
        EXPECT_EQ(display.written.size(), 1u) << c.name << ": no more ramps";
        list[0]->Restore();
        EXPECT_EQ(display.written.size(), 2u) << c.name << ": its own ramp back, once";

        display.failSets = display.ignoresSets = false;
        display.getFailures = 0;
        GammaList rebuilt = BuildGammaDevices(port, clock, list);
        EXPECT_TRUE(rebuilt[0]->IsUsable()) << c.name << ": tried again after a display change";
        rebuilt[0]->ApplyLuminance(40);
        EXPECT_EQ(rebuilt[0]->ReadBackStart(), 40) << c.name;
        EXPECT_TRUE(rebuilt[0]->IsUsable()) << c.name;
        rebuilt[0]->Restore();
    }
}

TEST_F(GammaTest, InitKeepsTheStartRampForRestoreAndWritesLeaveTheCallersRamp) {
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        display.ramp[i] = static_cast<std::uint16_t>(((255 - i % 256) << 8) | 0x7F);
    gamma.Init(display.name + std::string(40, 'x') + '\0');
    EXPECT_EQ(gamma.DeviceName().size(), kGammaDeviceNameMax) << "cut to fit";
    EXPECT_FALSE(gamma.IsUsable()) << "the cut name opens no device";

    const GammaRamp original = display.ramp;
    gamma.Init(display.name);
    ASSERT_TRUE(gamma.IsUsable());
    EXPECT_EQ(gamma.SavedRamp()[0], 0xFF7F) << "16 bits, as the device gave them";
    EXPECT_EQ(gamma.SavedRamp()[767], 0x7F);
    EXPECT_EQ(display.ramp, original) << "Init writes back exactly what it read";

    GammaRamp ramp;
    for (std::size_t i = 0; i < kGammaRampSize; ++i)
        ramp[i] = static_cast<std::uint16_t>(i % 200);
    const GammaRamp copy = ramp;
    EXPECT_TRUE(gamma.WriteRamp(ramp));
    EXPECT_EQ(ramp, copy);
    EXPECT_EQ(display.written.back(), copy);

    gamma.Restore();
    EXPECT_EQ(display.ramp, original) << "low bytes and all";
}

TEST_F(GammaTest, AlteringDriverMakesTheDeviceUnusableAndItIsNeverWrittenAgain) {
    display.halvesWrites = true;
    GammaList list = BuildGammaDevices(port, clock);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FALSE(list[0]->IsUsable());

    const auto writes = display.written.size();
    EXPECT_TRUE(ApplyFilterLuminance(list, display.name, 40)) << "found, but has no effect";
    list[0]->Restore();
    EXPECT_EQ(display.written.size(), writes);
}

TEST_F(GammaTest, FailedCallsAreRetriedEvery100msForUpTo5s) {
    display.getFailures = 3;
    gamma.Init(display.name);
    EXPECT_TRUE(gamma.IsUsable()) << "a slow device is still usable";
    EXPECT_EQ(clock.now, 1300u);
    EXPECT_EQ(gamma.SavedRamp()[200], 200 * 257);

    // A device that never answers is tried at 0, 100, ... 5000 ms, across a tick count wrap.
    clock.now = 0xFFFFFF00u;
    display.getFailures = -1;
    display.gets = 0;
    GammaRamp ramp;
    ramp.fill(7);
    EXPECT_FALSE(gamma.ReadRamp(ramp));
    EXPECT_EQ(display.gets, 51);
    EXPECT_EQ(clock.now - 0xFFFFFF00u, 5100u);
    EXPECT_EQ(ramp[0], 7) << "a failed read leaves the buffer alone";

    display.failSets = true;
    display.written.clear();
    EXPECT_FALSE(gamma.WriteRamp(ramp));
    EXPECT_EQ(display.written.size(), 51u);

    // Without a device context nothing is tried and nothing waited for.
    display.noDc = true;
    display.gets = 0;
    const auto before = clock.now;
    EXPECT_FALSE(gamma.ReadRamp(ramp));
    EXPECT_FALSE(gamma.WriteRamp(ramp));
    EXPECT_EQ(display.gets, 0);
    EXPECT_EQ(clock.now, before);
}

TEST_F(GammaTest, ListHoldsTheAttachedDevicesAndMatchesNamesExactly) {
    display.flags = 0x5; // attached and primary
    port.devices.emplace_back("\\\\.\\DISPLAY2", 0x8);
    FakeDevice& third = port.devices.emplace_back("\\\\.\\DISPLAY3");
    port.devices.emplace_back("\\\\.\\DISPLAY4", 0x0);

    GammaList list = BuildGammaDevices(port, clock);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->DeviceName(), "\\\\.\\DISPLAY1");
    EXPECT_EQ(list[1]->DeviceName(), "\\\\.\\DISPLAY3");
    EXPECT_TRUE(list[1]->IsUsable()) << "initialised";

    third.written.clear();
    EXPECT_FALSE(ApplyFilterLuminance(list, "\\\\.\\display3", 20));
    EXPECT_FALSE(ApplyFilterLuminance(list, "\\\\.\\DISPLAY", 20));
    EXPECT_TRUE(third.written.empty());

    EXPECT_TRUE(ApplyFilterLuminance(list, "\\\\.\\DISPLAY3", 20));
    ASSERT_EQ(third.written.size(), 2u);
    EXPECT_EQ(third.written[0][100], 100) << "identity first";
    EXPECT_EQ(third.written[1][0], 20);
}

TEST_F(GammaTest, RebuiltListKeepsTheStartRampOfKnownDevices) {
    GammaList first = BuildGammaDevices(port, clock);
    const GammaRamp start = first[0]->SavedRamp();
    ApplyFilterLuminance(first, display.name, 40); // the screen filter shifts the ramp
    FakeDevice& added = port.devices.emplace_back("\\\\.\\DISPLAY2");
    const int readsBefore = display.gets;

    GammaList rebuilt = BuildGammaDevices(port, clock, first);
    ASSERT_EQ(rebuilt.size(), 2u);
    EXPECT_EQ(display.gets, readsBefore) << "a known device is not read again";
    EXPECT_EQ(rebuilt[0]->SavedRamp(), start) << "not the shifted ramp";
    EXPECT_TRUE(rebuilt[0]->IsUsable());
    EXPECT_GT(added.gets, 0) << "a new device is initialised";
    rebuilt[0]->Restore();
    EXPECT_EQ(display.ramp, start) << "exit gives the screen its own ramp back";
}

TEST(DisplayDevices, OnlyOutputsShowingTheDesktopMakeAMultiDisplay) {
    struct Case {
        std::vector<std::uint32_t> flags;
        bool multi;
    };
    const Case cases[] = {
        {{0x5}, false},
        {{0x5, 0x0, 0x0, 0x0}, false}, // unused connectors of the graphics card
        {{0x5, 0x9}, false},           // a mirroring driver
        {{0x5, 0x1}, true},
        {{0x0, 0x1, 0x4, 0x1}, true},
    };
    for (const Case& c : cases) {
        FakeGammaPort port;
        for (std::uint32_t f : c.flags)
            port.devices.emplace_back("\\\\.\\DISPLAY", f);
        EXPECT_EQ(IsMultiDisplay(port), c.multi) << testing::PrintToString(c.flags);
    }
}

} // namespace
