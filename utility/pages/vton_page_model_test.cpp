// The Auto Veltone page on a two-display simulated desktop: its start, the lists, the questions
// about unsaved choices, Register and Delete, the default, and the foreground application.
#include "sim/testing/sim_machine.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/application_window.h"
#include "utility/pages/testing/fake_windows.h"
#include "utility/pages/vton_page_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"
#include "utility/ui/testing/fake_timers.h"
#include "utility/ui/testing/numbered_strings.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingVtonView : public VtonPageView {
  public:
    void SetActivate(bool checked) override { activate = checked; }
    bool Activate() override { return activate; }
    void SetIndependent(bool checked) override { independent = checked; }
    bool Independent() override { return independent; }
    // A combo box holds as many items as its memory allows; `capacity` plays its limit.
    bool AddApplication(const std::string& name) override {
        if (applications.size() >= capacity)
            return false;
        applications.push_back(name);
        return true;
    }
    int SelectedApplication() override { return application; }
    void SelectApplication(int index) override { application = index; }
    void SetModeList(const std::vector<ModeItem>& items) override { modes = items; }
    int SelectedMode() override { return mode; }
    void SelectMode(int index) override { mode = index; }
    void SetDefaultList(const std::vector<ModeItem>& items) override { defaults = items; }
    int SelectedDefault() override { return defaultIndex; }
    void SelectDefault(int index) override { defaultIndex = index; }
    void EnableControls(const VtonPageControls& c) override { controls = c; }
    // A message box runs a message loop: `during` plays what it dispatches meanwhile.
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (during)
            during();
        return answer;
    }
    void ShowInformation(const std::string& text) override {
        notices.push_back(text);
        if (during)
            during();
    }
    void ShowWarning(const std::string& text) override {
        notices.push_back(text);
        if (during)
            during();
    }
    WindowHandle PageWindow() override { return FakeWindows::Handle(99); }
    bool PageOnView() override { return true; }
    void PostForeground(const std::string& identifier) override { posted.push_back(identifier); }

    // Picks the item of `items` with text `text`, as a user would.
    static int Index(const std::vector<ModeItem>& items, const std::string& text) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].name == text)
                return static_cast<int>(i);
        return -1;
    }

    std::function<void()> during;
    std::size_t capacity = 1000;
    bool activate = false, independent = false, answer = true;
    Lines applications, questions, notices, posted;
    int application = -1, mode = -1, defaultIndex = -1;
    std::vector<ModeItem> modes, defaults;
    VtonPageControls controls;
};

// The page on the desktop, with its fakes.
struct VtonPage {
    VtonPage() {
        RebuildMonitorList(sim.ctrl, monitors);
        windows.windows[1] = {"C:\\Program Files\\Player\\player.exe"};
        windows.windows[2] = {"C:\\Windows\\notepad.exe", "Notepad", "\\\\.\\DISPLAY1", true,
                              false};
        windows.windows[99] = {"C:\\Dimora\\DimoraDdcci.exe", "DIMORA", "\\\\.\\DISPLAY2"};
        strings.texts = {{117, "Save %s?"}, {120, "Delete %s?"}, {196, "Only 0 change."}};
    }

    int Mode(int monitor) {
        return static_cast<int>(*sim.system.bus.Monitor(monitor).Value(0x30, 0xE2));
    }
    std::uint32_t Stored(const char* name, const char* key = kRootKey) {
        std::uint32_t value = 999;
        CRegistry(registry).ReadDword(name, value, key);
        return value;
    }
    void PickMode(const std::string& text) {
        view.mode = RecordingVtonView::Index(view.modes, text);
        model.ModePicked();
    }

    SimMachine sim{SwitchableMonitor("a", 1, 0) + SwitchableMonitor("b", 2, 0)};
    CMonitorStatusAll monitors;
    FakeWindows windows;
    MemoryRegistry registry;
    NumberedStrings strings;
    ShellState shell;
    FakeTimers timers;
    RecordingVtonView view;
    FakeGammaPort displays{"\\\\.\\DISPLAY1", "\\\\.\\DISPLAY2"};
    JapaneseCodePage codePage;
    VtonPageModel model{view, VtonPageDeps{monitors, sim.ctrl, windows, registry, displays, strings,
                                           codePage, shell, timers}};
};

class VtonPageModelTest : public testing::Test, public VtonPage {};

TEST_F(VtonPageModelTest, StartWritesTheSwitchesAndListsStoredAndRunningApplications) {
    StoreAppMode(CRegistry(registry), {"EDITOR", 0, "", true});
    // Two packaged applications' frames, one hosting its application, one not (yet).
    windows.windows[7] = {"C:\\Windows\\System32\\ApplicationFrameHost.exe", kFrameWindowClass};
    windows.windows[8] = {"C:\\Program Files\\WindowsApps\\Maps\\Maps.exe", kCoreWindowClass};
    windows.windows[8].parent = 7;
    windows.windows[9] = windows.windows[7];
    model.Start();
    EXPECT_TRUE(view.activate);
    EXPECT_EQ(Stored("ModeChange"), 1u);
    EXPECT_FALSE(view.independent);
    EXPECT_EQ(Stored("MonIndepend"), 0u);
    // Stored first; then visible windows with a system menu, not this program's own, from one
    // process snapshot, and the application a frame hosts by its own process.
    EXPECT_EQ(view.applications, (Lines{"EDITOR", "PLAYER", "MAPS"}));
    EXPECT_EQ(windows.snapshots, 2);
    EXPECT_EQ(timers.running[TIMER_FOREGROUND_WATCH], 100u);
    // Modes 0-4 of the monitors (names by string id); the default adds "Not change the mode".
    EXPECT_EQ(view.modes.size(), 5u);
    EXPECT_EQ(view.defaults.back().mode, kNotChangeMode);
    EXPECT_EQ(view.defaultIndex, RecordingVtonView::Index(view.defaults, "s156"))
        << "no DefMode: Not change the mode";
    EXPECT_EQ(view.controls, (VtonPageControls{true, true, false, false}));

    // One screen undocked, then docked again: the displays are counted again once the display
    // change is heard of, not at every enabling (each foreground switch enables).
    displays.devices.pop_back();
    model.ActivateClicked();
    EXPECT_TRUE(view.controls.independent) << "kept until the display change";
    model.DisplaysChanged();
    model.ActivateClicked();
    EXPECT_FALSE(view.controls.independent);
    displays.devices.emplace_back("\\\\.\\DISPLAY2");
    model.DisplaysChanged();
    model.ShowSelected();
    EXPECT_TRUE(view.controls.independent);
}

// A list control holds what its memory allows: an application it refuses is in neither list.
TEST_F(VtonPageModelTest, AFullApplicationListKeepsTheModelInStep) {
    StoreAppMode(CRegistry(registry), {"EDITOR", 0, "", true});
    StoreAppMode(CRegistry(registry), {"VIEWER", 1, "", true});
    view.capacity = 1;
    model.Start();
    EXPECT_EQ(view.applications, (Lines{"EDITOR"}));
    ASSERT_EQ(model.Applications().size(), 1u);
    view.application = 0;
    model.ApplicationChanged();
    EXPECT_EQ(view.mode, RecordingVtonView::Index(view.modes, "s111")) << "EDITOR's own mode";
}

TEST_F(VtonPageModelTest, DataThatIsGoneResetsTheEntriesThatNameIt) {
    WriteAdjustmentRecord(CRegistry(registry), "Evening", AdjustmentRecord{});
    StoreAppMode(CRegistry(registry), {"PLAYER", kAdjustmentDataMode, "Evening", true});
    StoreAppMode(CRegistry(registry), {"VIEWER", kAdjustmentDataMode, "Gone", true});
    CRegistry(registry).DeleteValue("ModeName", KeyPath(kVtoneKey.data(), "VIEWER").c_str());
    model.Start();
    EXPECT_EQ(view.modes.back(), (ModeItem{"Evening", kAdjustmentDataMode}));
    EXPECT_EQ(LoadAppModeTable(CRegistry(registry)).size(), 1u) << "VIEWER's entry removed";
    EXPECT_EQ(model.Applications()[1].mode, kNoModeChosen);
}

TEST_F(VtonPageModelTest, APickedModeSwitchesAtOnceAndAnUnsavedChoiceIsAskedAbout) {
    model.Start();
    view.application = 0; // PLAYER
    model.ApplicationChanged();
    PickMode("s113"); // Movie mode
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(Mode(1), 2) << "every monitor";
    EXPECT_TRUE(view.controls.registerButton);

    view.answer = false;
    view.application = -1;
    model.ApplicationChanged();
    EXPECT_EQ(view.questions, (Lines{"Save PLAYER?"})) << "the string with the name put in";
    EXPECT_TRUE(LoadAppModeTable(CRegistry(registry)).empty()) << "No: nothing stored";

    view.independent = true;
    view.application = 0;
    model.ApplicationChanged();
    PickMode("s111"); // Text mode, only on the screen of the settings window (DISPLAY2)
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(Mode(1), 0);
}

TEST_F(VtonPageModelTest, RegisterStoresAndDeleteOfAnUnregisteredApplicationFails) {
    model.Start();
    view.application = 0;
    model.ApplicationChanged();
    PickMode("s113");
    model.Register();
    const auto table = LoadAppModeTable(CRegistry(registry));
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].name, "PLAYER");
    EXPECT_EQ(table[0].mode, 2);
    EXPECT_EQ(model.Table().size(), 1u) << "the watcher's table reloaded";

    model.Delete();
    EXPECT_TRUE(LoadAppModeTable(CRegistry(registry)).empty());
    model.Delete(); // now nothing is stored for it
    EXPECT_EQ(view.notices, (Lines{"s121"}));
}

TEST_F(VtonPageModelTest, DefaultNamingDataThatIsGoneFallsBackToNotChange) {
    CRegistry settings(registry);
    settings.WriteDword("DefMode", kAdjustmentDataMode, kRootKey);
    settings.WriteString("DefModeName", "Gone", 5, kRootKey);
    model.Start();
    EXPECT_EQ(view.defaults[static_cast<std::size_t>(view.defaultIndex)].mode, kNotChangeMode);
    EXPECT_EQ(Stored("DefMode"), static_cast<std::uint32_t>(kNotChangeMode));

    view.defaultIndex = RecordingVtonView::Index(view.defaults, "s114"); // Custom mode
    model.DefaultPicked();
    EXPECT_EQ(Stored("DefMode"), 3u);
}

TEST_F(VtonPageModelTest, TheWatcherRunsOnThePageTimerAndThePageShowsTheForegroundApplication) {
    StoreAppMode(CRegistry(registry), {"PLAYER", 2, "", true});
    model.Start();
    windows.windows[3] = {"C:\\Tools\\paint.exe", "Paint", "\\\\.\\DISPLAY1", true, false};
    model.ShowForeground("PAINT"); // not listed yet: found among the running windows
    EXPECT_EQ(view.applications.back(), "PAINT");
    EXPECT_EQ(view.application, 1);

    windows.Front(1);
    model.OnTimer(TIMER_FOREGROUND_WATCH);
    EXPECT_EQ(Mode(0), 2);
    EXPECT_EQ(model.Watcher().Evaluations(), 1);
    EXPECT_EQ(view.posted, (Lines{"PLAYER"}));
    model.OnTimer(TIMER_REMINDER); // not the page's timer
    // The same window in front, tick after tick: the idle watcher costs the program no monitor
    // transaction and no process snapshot.
    sim.Take();
    const int snapshots = windows.snapshots;
    for (int tick = 0; tick < 10; ++tick)
        model.OnTimer(TIMER_FOREGROUND_WATCH);
    EXPECT_EQ(model.Watcher().Evaluations(), 1);
    EXPECT_EQ(sim.Take(), Lines{});
    EXPECT_EQ(windows.snapshots, snapshots);
}

// While a question or notice is open its message loop runs the watcher's timer and the page's
// posted messages: a new application comes forward, the monitors change, the page is refreshed.
// None of it may reshape the lists the answer acts on; it is all done at the next tick after.
TEST_F(VtonPageModelTest, AQuestionKeepsThePageAsItWasUntilItIsAnswered) {
    const struct {
        const char* name;
        std::function<void(VtonPage&)> act;
        Lines questions, notices;
        std::uint32_t playerMode; // stored for PLAYER afterwards (999: none)
    } cases[] = {
        {"Delete", [](VtonPage& t) { t.model.Delete(); }, {"Delete PLAYER?"}, {}, 999},
        {"Register", [](VtonPage& t) { t.model.Register(); }, {"Save PLAYER?"}, {}, 3},
        {"unsaved choice",
         [](VtonPage& t) {
             t.view.application = 0; // EDITOR
             t.model.ApplicationChanged();
         },
         {"Save PLAYER?"},
         {},
         3},
        {"data notice", [](VtonPage& t) { t.PickMode("Evening"); }, {}, {"Only M-SAME change."}, 2},
        {"failed delete's warning",
         [](VtonPage& t) {
             t.model.Delete();
             t.model.Delete(); // nothing stored any more: the delete fails
         },
         {"Delete PLAYER?", "Delete PLAYER?"},
         {"s121"},
         999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VtonPage t;
        StoreAppMode(CRegistry(t.registry), {"EDITOR", 1, "", true});
        StoreAppMode(CRegistry(t.registry), {"PLAYER", 2, "", true});
        AdjustmentRecord evening;
        evening.modelName = "M-SAME";
        WriteAdjustmentRecord(CRegistry(t.registry), "Evening", evening);
        t.model.Start();
        t.view.application = 1; // PLAYER, with Custom mode picked
        t.model.ApplicationChanged();
        t.PickMode("s114");
        t.windows.windows[5] = {"C:\\Tools\\new.exe", "Tool", "\\\\.\\DISPLAY1"};
        t.view.during = [&t] {
            t.windows.Front(5);
            t.model.OnTimer(TIMER_FOREGROUND_WATCH);
            for (const std::string& posted : std::exchange(t.view.posted, {}))
                t.model.ShowForeground(posted);
            t.model.MonitorsChanged();
            t.model.ShowSelected();
        };
        c.act(t);
        t.view.during = nullptr;
        EXPECT_EQ(t.view.questions, c.questions);
        EXPECT_EQ(t.view.notices, c.notices);
        EXPECT_EQ(t.Stored("Mode", KeyPath(kVtoneKey.data(), "PLAYER").c_str()), c.playerMode);
        EXPECT_EQ(t.view.applications.size(), 2u) << "NEW waits for the answer";
        t.model.OnTimer(TIMER_FOREGROUND_WATCH);
        EXPECT_EQ(t.view.applications.back(), "NEW") << "and is shown at the next tick";
        EXPECT_EQ(t.view.application, 2);
    }
}

} // namespace
