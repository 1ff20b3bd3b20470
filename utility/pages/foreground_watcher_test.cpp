// The foreground watcher tick by tick on a two-display simulated desktop: when a window is
// looked at, which application it is, and what the monitors are put into.
#include "sim/testing/sim_machine.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/application_window.h"
#include "utility/pages/foreground_watcher.h"
#include "utility/pages/testing/fake_windows.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char kFrameHost[] = "C:\\Windows\\System32\\ApplicationFrameHost.exe";
const char kCalculator[] =
    "C:\\Program Files\\WindowsApps\\Calculator_8wekyb3d8bbwe\\CalculatorApp.exe";

class ForegroundWatcherTest : public testing::Test {
  protected:
    ForegroundWatcherTest() {
        RebuildMonitorList(sim.ctrl, monitors);
        windows.windows[1] = {"C:\\Program Files\\Player\\player.exe"};
        windows.windows[2] = {"C:\\Windows\\notepad.exe"};
        watcher.SetForegroundListener([this](const std::string& id) { shown.push_back(id); });
        inputs.activate = true;
        inputs.table = &table;
        inputs.defaultChoice = DefaultChoice{kNotChangeMode, "Not change"};
    }

    int Mode(int monitor) {
        return static_cast<int>(*sim.system.bus.Monitor(monitor).Value(0x30, 0xE2));
    }
    void Tick() { watcher.Tick(inputs); }

    SimMachine sim{SwitchableMonitor("a", 1, 0) + SwitchableMonitor("b", 2, 0)};
    CMonitorStatusAll monitors;
    FakeWindows windows;
    MemoryRegistry registry;
    AutoApplier applier{sim.ctrl, monitors, windows};
    JapaneseCodePage codePage;
    ForegroundWatcher watcher{windows, monitors, applier, registry, codePage};
    std::vector<AppModeEntry> table{{"PLAYER", 2, "", true}};
    WatchInputs inputs;
    Lines shown;
};

TEST_F(ForegroundWatcherTest, AWindowIsLookedAtWhenItComesForwardAndWhenItChangesDisplay) {
    windows.Front(1);
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 1);
    EXPECT_EQ(shown, (Lines{"PLAYER"}));
    const int snapshots = windows.snapshots;
    Tick();
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 1) << "the same window on the same display";
    EXPECT_EQ(windows.snapshots, snapshots) << "no process snapshot when nothing changed";
    windows.Of(FakeWindows::Handle(1)).device = "\\\\.\\DISPLAY2";
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 2) << "moved to another display";
    windows.Front(2);
    Tick();
    windows.Front(1);
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 4) << "back to the front after another window";
    windows.Of(FakeWindows::Handle(1)).shown = false; // minimised
    windows.Front(2);
    windows.Of(FakeWindows::Handle(2)).shown = false;
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 4);
}

TEST_F(ForegroundWatcherTest, OwnAndDesktopWindowsHaveNoApplication) {
    struct Case {
        const char* exe;
        const char* windowClass;
        const char* identifier;     // "" none
        const char* coreChild = ""; // the process of a CoreWindow child, if any
    };
    const Case cases[] = {
        {"C:\\Program Files\\Dimora\\DimoraDdcci.exe", "DIMORA", ""},
        {"C:\\Windows\\explorer.exe", "Shell_TrayWnd", ""},
        {"C:\\Windows\\explorer.exe", "CabinetWClass", "EXPLORER"},
        {"C:\\Windows\\explorer.exe", "ShImgVw:CPreviewWnd", "SHIMGVW"},
        {"C:\\Windows\\System32\\rundll32.exe", "X", "RUNDLL32"},
        // A packaged application's frame is named by the application it hosts; only a frame is.
        {kFrameHost, kFrameWindowClass, "CALCULATORAPP", kCalculator},
        {"C:\\Tools\\host.exe", "HostWindow", "HOST", kCalculator},
    };
    std::uintptr_t id = 10;
    for (const Case& c : cases) {
        windows.windows[id] = {c.exe, c.windowClass};
        if (c.coreChild[0]) {
            windows.windows[id + 100] = {c.coreChild, kCoreWindowClass};
            windows.windows[id + 100].parent = id;
        }
        windows.Front(id++);
        shown.clear();
        Tick();
        EXPECT_EQ(shown, c.identifier[0] ? Lines{c.identifier} : Lines{}) << c.windowClass;
    }
    EXPECT_EQ(Mode(0), 0) << "nothing switched";
}

// A starting packaged application's frame comes forward before its application's window is in it:
// the frame host's own name would give every packaged application one mode.
TEST_F(ForegroundWatcherTest, AFrameIsLookedAtAgainUntilItHostsItsApplication) {
    table = {{"CALCULATORAPP", 2, "", true}, {"APPLICATIONFRAMEHOST", 3, "", true}};
    windows.windows[5] = {kFrameHost, kFrameWindowClass};
    windows.Front(5);
    Tick();
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 2);
    EXPECT_EQ(shown, Lines{});
    EXPECT_EQ(Mode(0), 0);
    windows.windows[6] = {kCalculator, kCoreWindowClass};
    windows.windows[6].parent = 5;
    Tick();
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 3) << "once it hosts the application";
    EXPECT_EQ(shown, Lines{"CALCULATORAPP"});
    EXPECT_EQ(Mode(0), 2);
}

TEST_F(ForegroundWatcherTest, TheTableOrTheDefaultDecidesTheMode) {
    const AdjustmentRecord warm = [] {
        AdjustmentRecord record;
        record.modelName = "M-SAME";
        record.mode = 4;
        return record;
    }();
    WriteAdjustmentRecord(CRegistry(registry), "Warm", warm);
    struct Case {
        std::vector<AppModeEntry> table;
        std::optional<DefaultChoice> defaultChoice;
        int expectedMode;
    };
    const Case cases[] = {
        {{{"PLAYER", 2, "", true}}, DefaultChoice{3, "s"}, 2},   // the entry
        {{}, DefaultChoice{3, "Custom"}, 3},                     // the default
        {{}, DefaultChoice{kNotChangeMode, "Not change"}, 0},    // left alone
        {{}, std::nullopt, 0},                                   // no default chosen
        {{{"PLAYER", 300, "", true}}, DefaultChoice{3, "s"}, 0}, // a stored 300: no change
        {{{"PLAYER", 37, "", true}}, DefaultChoice{3, "s"}, 0},  // a stored 37: no change
        {{}, DefaultChoice{kAdjustmentDataMode, "Warm"}, 4},     // default data
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        sim.system.bus.Monitor(0).Write(0xE1, 0x30);
        sim.system.bus.Monitor(0).Write(0xE2, 0);
        table = cases[i].table;
        inputs.defaultChoice = cases[i].defaultChoice;
        watcher.Reset();
        windows.Front(1);
        Tick();
        EXPECT_EQ(Mode(0), cases[i].expectedMode) << "case " << i;
    }
}

TEST_F(ForegroundWatcherTest, AdjustmentDataOfAnEntryIsAppliedWithTheStoreCommand) {
    AdjustmentRecord record;
    record.modelName = "M-SAME";
    record.mode = 1;
    WriteAdjustmentRecord(CRegistry(registry), "Movie night", record);
    AppModeEntry entry{"PLAYER", kAdjustmentDataMode, "Movie night", true};
    StoreAppMode(CRegistry(registry), entry);
    table = {entry};
    windows.Front(1);
    Tick();
    EXPECT_EQ(Mode(0), 1);
    EXPECT_EQ(Mode(1), 1) << "every monitor of the record's model";
    EXPECT_EQ(sim.system.bus.Monitor(0).StoreCommands(), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(monitors.monitors[0]->lastAutoMode, kAdjustmentDataMode);
    EXPECT_EQ(windows.waitCursor, "+-+-") << "a wait cursor while each monitor is written";
}

TEST_F(ForegroundWatcherTest, PerScreenSwitchingChangesOnlyTheWindowsMonitor) {
    inputs.independent = true;
    windows.Front(1); // on DISPLAY1
    Tick();
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(Mode(1), 0) << "the other screen keeps its mode";
    windows.Of(FakeWindows::Handle(1)).device = "\\\\.\\DISPLAY2";
    Tick();
    EXPECT_EQ(Mode(1), 2) << "dragged over: the second screen follows";

    inputs.independent = false;
    sim.system.bus.Monitor(1).Write(0xE1, 0x30);
    sim.system.bus.Monitor(1).Write(0xE2, 0);
    windows.Front(2);
    Tick(); // notepad: no entry, default leaves all alone
    windows.Front(1);
    Tick();
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(Mode(1), 2) << "every monitor";
}

TEST_F(ForegroundWatcherTest, AMonitorAlreadyInTheModeIsNotWrittenAgain) {
    windows.Front(1);
    Tick();
    EXPECT_EQ(monitors.monitors[0]->lastAutoMode, 2);
    windows.Front(2);
    Tick();
    sim.Take();
    windows.Front(1);
    Tick();
    const Lines trace = sim.Take();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "get e2 ok cur=2 max=24"), 2)
        << "each monitor's mode is read";
    for (const std::string& line : trace)
        EXPECT_NE(line.rfind("set e2=", 0), 0u) << "read, found in mode 2, not written: " << line;
}

TEST_F(ForegroundWatcherTest, AModeWriteTheMonitorIgnoredIsTriedAgainAtTheNextSwitch) {
    sim.system.bus.Monitor(0).InjectFault({SimFault::Kind::Ignore, 0x30, 0xE2, 1});
    windows.Front(1);
    Tick();
    EXPECT_EQ(Mode(0), 0) << "acknowledged, not applied";
    EXPECT_EQ(monitors.monitors[0]->lastAutoMode, -1) << "the read-back shows the old mode";
    EXPECT_EQ(monitors.monitors[1]->lastAutoMode, 2);
    windows.Front(2);
    Tick();
    windows.Front(1);
    Tick();
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(monitors.monitors[0]->lastAutoMode, 2);
}

TEST_F(ForegroundWatcherTest, AMonitorThatStoppedAnsweringCostsThreeTimeOutsUntilTheRescan) {
    const auto timeOuts = [this] {
        const Lines trace = sim.Take();
        return std::count_if(trace.begin(), trace.end(), [](const std::string& line) {
            return line.find(" fail after 3500 ms") != std::string::npos;
        });
    };
    sim.system.bus.Monitor(0).StopAnswering(3500);
    const CMonitorStatus& gone = *monitors.monitors[0];
    for (int round = 0; round < 10; ++round) {
        windows.Front(1 + round % 2); // a watcher switch to every monitor
        Tick();
        // and a page action: claim, permission, a read, release
        std::uint32_t current = 0, maximum = 0;
        sim.ctrl.TakeOwnership(gone.Handle(), Retry::Yes);
        sim.ctrl.IsAdjustmentPermitted(gone);
        sim.ctrl.ReadFeature(gone, 0, 0x10, &current, &maximum, PageSelect::Write, Retry::Yes);
        sim.ctrl.ReleaseOwnership(gone.Handle());
        if (round == 0)
            EXPECT_LE(timeOuts(), 3);
        else
            EXPECT_EQ(timeOuts(), 0) << "round " << round;
    }
    EXPECT_FALSE(sim.ctrl.IsAnswering(gone.Handle()));
    EXPECT_EQ(Mode(1), 2) << "the other monitor goes on switching";
    RebuildMonitorList(sim.ctrl, monitors);
    EXPECT_EQ(timeOuts(), 1) << "a rescan tries it once again";
    EXPECT_EQ(monitors.monitors.size(), 1u);
}

TEST_F(ForegroundWatcherTest, NothingHappensWhenSwitchedOffOrWhileAnotherPageIsAdjusted) {
    windows.Front(1);
    inputs.activate = false;
    Tick();
    inputs.activate = true;
    inputs.mainShown = true;
    inputs.pageOnView = false; // the settings window shows the colour page
    Tick();
    EXPECT_EQ(watcher.Evaluations(), 0);
    inputs.pageOnView = true;
    Tick();
    EXPECT_EQ(Mode(0), 2) << "on the Auto Veltone page the watcher works";
}

} // namespace
