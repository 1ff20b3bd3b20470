// Named adjustment data on simulated monitors and the in-memory registry: taking a record from
// one monitor and writing it to another of the same model with the exact bus traffic, scaling
// between maxima, the conditions on gains and gamma, and the registry side (listing, reading
// damaged values, deleting with the application entries' references).
#include "sim/testing/sim_machine.h"
#include "utility/monitor/monitor_list.h"
#include "utility/pages/adjustment_data.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A monitor of model EX-2451W on display `display` whose mode 0 allows every setting (flags
// 0x4F) and which keeps the four-value group (feature word 1). `settings` are register lines
// that replace the defaults.
std::string Monitor(const std::string& serial, int display, const std::string& settings = "") {
    const int left = (display - 1) * 1920;
    return "monitor " + serial + "\ndevice \\\\.\\DISPLAY" + std::to_string(display) +
           "\ndesktop " + std::to_string(left) + " 0 " + std::to_string(left + 1920) + " 1080\n" +
           "caps (prot(monitor)vcp(10 12 16 18 1A E0 E1)mswhql(1)mccs_ver(2.2))\n"
           "slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)30(e2 e3 e4)e0(e4 e5 e6 e7 e8)\n"
           "slot 1 hex 040110 0508 1f00000000000000 1204 4f000000 0b0101 ff\n"
           "slot 2 text " +
           serial +
           "\nslot 3 text EX-2451W\n"
           "vcp 10 50 100\nvcp 12 50 100\nvcp 16 128 255\nvcp 18 128 255\nvcp 1a 128 255\n"
           "vendor 30 e2 0 36\nvendor 30 e3 7 24\nvendor 30 e4 4 8\nvendor e0 e4 128 255\n"
           "vendor e0 e5 128 255\nvendor e0 e6 128 255\nvendor e0 e7 128 255\nvendor e0 e8 0 1\n" +
           settings;
}

// The simulated machine with its monitor list built, as the program has it after start-up.
struct Desk {
    explicit Desk(const std::string& description) : sim(description) {
        RebuildMonitorList(sim.ctrl, monitors);
        EXPECT_FALSE(monitors.monitors.empty());
    }
    const CMonitorStatus& State(std::size_t i) const { return *monitors.monitors.at(i); }
    SimMonitor& Bus(std::size_t i) { return sim.system.bus.Monitor(i); }
    // Holds monitor `i` as a page does around these operations; the trace starts afresh.
    void Own(std::size_t i) {
        sim.ctrl.TakeOwnership(State(i).Handle(), Retry::Yes);
        sim.Take();
    }

    SimMachine sim;
    CMonitorStatusAll monitors;
};

// Only the trace lines of one standard code ("get 10 ...", "set 10=...").
Lines LinesOfCode(const Lines& trace, const std::string& code) {
    Lines found;
    for (const std::string& line : trace) {
        if (line.rfind("get " + code + " ", 0) == 0 || line.rfind("set " + code + "=", 0) == 0)
            found.push_back(line);
    }
    return found;
}

TEST(AdjustmentData, ModeFlagsOnlyForModesOfTheTable) {
    CMonitorStatus monitor;
    monitor.information.modeFlags[0] = 0x800D;
    monitor.information.modeFlags[36] = 0x8001;
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0x800D}, {36, 0x8001}, {37, 0}, {38, 0}, {255, 0}, {0xFFFFFFFF, 0}};
    for (const auto& [mode, flags] : cases)
        EXPECT_EQ(ModeFlags(monitor, mode), flags) << mode;
}

TEST(AdjustmentData, FeatureGroupByFeatureWordBits) {
    const std::pair<std::uint32_t, bool> cases[] = {{0, false},  {0x1, true}, {0x2, false},
                                                    {0x8, true}, {0x9, true}, {0x10, false}};
    for (const auto& [word, uses] : cases) {
        CMonitorStatus monitor;
        monitor.information.featureWord = word;
        EXPECT_EQ(UsesFeatureGroup(monitor), uses) << word;
    }
}

TEST(AdjustmentData, RegisteredDataRestoresToAnotherMonitorOfTheModel) {
    Desk desk(Monitor("51000001", 1,
                      "vendor 30 e3 15 24\nvcp 10 60 100\nvcp 16 200 255\nvcp 18 190 255\n"
                      "vcp 1a 180 255\nvendor 30 e4 5 8\nvendor e0 e4 10 255\nvendor e0 e5 20 255\n"
                      "vendor e0 e6 30 255\nvendor e0 e7 40 255\nvcp 12 70 100\n") +
              Monitor("51000002", 2, "vendor 30 e2 2 36\n"));
    desk.Own(0);
    const AdjustmentRecord taken = CaptureAdjustmentRecord(desk.sim.ctrl, desk.State(0));
    EXPECT_EQ(
        desk.sim.Take(),
        (Lines{// mode 0 (flags 0x4F), then the temperature on the same page
               "set e1=30 ok", "sleep 20", "get e2 ok cur=0 max=24", "sleep 20",
               "get e3 ok cur=f max=18", "sleep 20",
               // brightness and the gains: standard codes leave page 0x30 selected
               "get 10 ok cur=3c max=64", "sleep 20", "get 16 ok cur=c8 max=ff", "sleep 20",
               "get 18 ok cur=be max=ff", "sleep 20", "get 1a ok cur=b4 max=ff", "sleep 20",
               "get e4 ok cur=5 max=8", "sleep 20",
               // the four-value group on its own page, then contrast
               "set e1=e0 ok", "sleep 20", "get e4 ok cur=a max=ff", "sleep 20",
               "get e5 ok cur=14 max=ff", "sleep 20", "get e6 ok cur=1e max=ff", "sleep 20",
               "get e7 ok cur=28 max=ff", "sleep 20", "get 12 ok cur=46 max=64", "sleep 20"}));
    EXPECT_EQ(taken.identityKey, "51000001EX-2451W");

    MemoryRegistry port;
    CRegistry registry(port);
    ASSERT_TRUE(WriteAdjustmentRecord(registry, "Office", AdjustmentRecord{}));
    ASSERT_TRUE(WriteAdjustmentRecord(registry, "Office", taken)) << "replaced without asking";
    AdjustmentRecord stored;
    ASSERT_TRUE(ReadAdjustmentRecord(registry, "Office", stored));
    EXPECT_EQ(stored, taken);
    EXPECT_EQ(ListAdjustmentDataNames(registry), Lines{"Office"});

    desk.Own(1);
    ApplyRecord(desk.sim.ctrl, desk.State(1), stored);
    EXPECT_EQ(
        desk.sim.Take(),
        (Lines{// the mode, then the temperature on the same page
               "set e1=30 ok", "sleep 20", "set e2=0 ok", "sleep 340", "set e3=f ok", "sleep 260",
               // brightness and the gains, each read, scaled and written
               "get 10 ok cur=32 max=64", "sleep 20", "set 10=3c ok", "sleep 35",
               "get 16 ok cur=80 max=ff", "sleep 20", "set 16=c8 ok", "sleep 70",
               "get 18 ok cur=80 max=ff", "sleep 20", "set 18=be ok", "sleep 70",
               "get 1a ok cur=80 max=ff", "sleep 20", "set 1a=b4 ok", "sleep 70",
               // gamma, page 0x30 still selected
               "get e4 ok cur=4 max=8", "sleep 20", "set e4=5 ok", "sleep 158",
               // the four-value group unscaled, committed by 0xE8
               "set e1=e0 ok", "sleep 20", "set e4=a ok", "sleep 10", "set e5=14 ok", "sleep 10",
               "set e6=1e ok", "sleep 10", "set e7=28 ok", "sleep 10", "set e8=1 ok", "sleep 13",
               // contrast
               "get 12 ok cur=32 max=64", "sleep 20", "set 12=46 ok", "sleep 50"}));
}

TEST(AdjustmentData, StoredValuesScaleToThePresentMaximum) {
    struct Case {
        StoredFeature stored;
        std::string present; // "current maximum" of the monitor's brightness
        Lines expected;
    };
    const Case cases[] = {
        {{50, 100, 1}, "0 200", {"get 10 ok cur=0 max=c8", "set 10=64 ok"}},
        {{50, 100, 1}, "100 200", {"get 10 ok cur=64 max=c8"}},               // already there
        {{1, 3, 1}, "0 100", {"get 10 ok cur=0 max=64", "set 10=21 ok"}},     // truncated
        {{300, 100, 1}, "0 200", {"get 10 ok cur=0 max=c8", "set 10=c8 ok"}}, // clamped
        {{70000, 70000, 1}, "0 70000", {"get 10 ok cur=0 max=11170", "set 10=11170 ok"}},
        {{50, 0, 1}, "0 200", {}},   // nothing to scale from
        {{50, 100, 0}, "0 200", {}}, // not read when registered
    };
    for (const Case& c : cases) {
        Desk desk(Monitor("51000001", 1, "vcp 10 " + c.present + "\n"));
        desk.Own(0);
        AdjustmentRecord record;
        record.brightness = c.stored;
        ApplyRecord(desk.sim.ctrl, desk.State(0), record);
        EXPECT_EQ(LinesOfCode(desk.sim.Take(), "10"), c.expected)
            << c.stored.current << "/" << c.stored.maximum << " to " << c.present;
    }
}

TEST(AdjustmentData, GainsOnlyUnderTemperatureOffOrUser) {
    const std::pair<std::uint32_t, bool> cases[] = {{0, true}, {15, true}, {7, false}, {24, false}};
    for (const auto& [temperature, restored] : cases) {
        Desk desk(Monitor("51000001", 1));
        desk.Own(0);
        AdjustmentRecord record;
        record.temperature = temperature;
        record.red = record.green = record.blue = {200, 255, 1};
        ApplyRecord(desk.sim.ctrl, desk.State(0), record);
        const std::uint32_t gain = restored ? 200 : 128;
        EXPECT_EQ(desk.Bus(0).Value(0, 0x16), gain) << temperature;
        EXPECT_EQ(desk.Bus(0).Value(0, 0x18), gain) << temperature;
        EXPECT_EQ(desk.Bus(0).Value(0, 0x1A), gain) << temperature;
    }
}

TEST(AdjustmentData, GammaWithoutValueIsNeverWrittenBack) {
    Desk desk(Monitor("51000001", 1, "vendor 30 e4 255 8\n") + Monitor("51000002", 2));
    desk.Own(0);
    const AdjustmentRecord taken = CaptureAdjustmentRecord(desk.sim.ctrl, desk.State(0));
    EXPECT_EQ(taken.gamma, (StoredFeature{255, 8, 0}));
    desk.Own(1);
    ApplyRecord(desk.sim.ctrl, desk.State(1), taken);
    EXPECT_EQ(desk.Bus(1).Value(0x30, 0xE4), 4u) << "a write of 255 would have set 8";
}

TEST(AdjustmentData, ListsEveryNamedValueWhateverItsSizeOrNameLength) {
    MemoryRegistry port;
    CRegistry registry(port);
    const std::string longName(255, 'n');
    const std::vector<std::uint8_t> large(5000, 1);
    registry.WriteBinary(longName.c_str(), large.data(), 4, kColorKey.data());
    registry.WriteBinary("Large", large.data(), 5000, kColorKey.data());
    registry.WriteBinary("", large.data(), 4, kColorKey.data());
    registry.WriteBinary("Night", large.data(), 4, kColorKey.data());
    EXPECT_EQ(ListAdjustmentDataNames(registry), (Lines{longName, "Large", "Night"}));
}

TEST(AdjustmentData, OnlyAValueOfExactlyOneRecordReads) {
    MemoryRegistry port;
    CRegistry registry(port);
    AdjustmentRecord office;
    office.modelName = "EX-2451W";
    const auto bytes = EncodeAdjustmentRecord(office);
    const std::pair<const char*, std::uint32_t> stored[] = {
        {"Short", 171}, {"Long", 173}, {"Empty", 0}, {"Office", 172}};
    for (const auto& [name, size] : stored) {
        std::vector<std::uint8_t> value(bytes.begin(), bytes.end());
        value.resize(size);
        registry.WriteBinary(name, value.data(), size, kColorKey.data());
    }
    for (const char* name : {"Short", "Long", "Empty", "Absent", ""}) {
        AdjustmentRecord record;
        record.modelName = "untouched";
        EXPECT_FALSE(ReadAdjustmentRecord(registry, name, record)) << name;
        EXPECT_EQ(record.modelName, "untouched") << name;
    }
    AdjustmentRecord record;
    ASSERT_TRUE(ReadAdjustmentRecord(registry, "Office", record));
    EXPECT_EQ(record, office);
}

TEST(AdjustmentData, DeleteRemovesTheDataAndTheReferencesWithTheSameCase) {
    MemoryRegistry port;
    CRegistry registry(port);
    const std::uint8_t bytes[kAdjustmentRecordSize] = {};
    for (const char* name : {"Office", "Night"})
        registry.WriteBinary(name, bytes, sizeof bytes, kColorKey.data());
    const std::pair<const char*, const char*> apps[] = {
        {"EXCEL", "Office"}, {"NOTEPAD", "office"}, {"WINWORD", "Office"}};
    for (const auto& [app, modeName] : apps) {
        const std::string key = KeyPath(kVtoneKey.data(), app);
        registry.WriteDword("Mode", 255, key.c_str());
        registry.WriteString("ModeName", modeName, 7, key.c_str());
    }

    DeleteAdjustmentData(registry, "Office");
    EXPECT_EQ(ListAdjustmentDataNames(registry), Lines{"Night"});
    for (const auto& [app, modeName] : apps) {
        const std::string key = KeyPath(kVtoneKey.data(), app);
        char text[16] = {};
        std::uint32_t mode = 0;
        EXPECT_EQ(registry.ReadValue("ModeName", text, sizeof text, key.c_str()),
                  std::string(modeName) == "office")
            << app;
        EXPECT_TRUE(registry.ReadDword("Mode", mode, key.c_str()) && mode == 255) << app;
    }
}

} // namespace
