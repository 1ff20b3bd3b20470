// The main window's behaviour on simulated monitors: the icon and its menu, showing and hiding,
// the keyboard, Keep On Top and Explorer restarting.
#include "sim/testing/sim_machine.h"
#include "utility/settings/settings_keys.h"
#include "utility/shell/testing/main_window_harness.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

using MainWindowModelTest = MainWindowHarness;

TEST_F(MainWindowModelTest, StartFindsTheMonitorAndShowsTheColouredIcon) {
    Model().Start();
    EXPECT_TRUE(timers.running.empty()) << "nothing wakes the idle program";
    ASSERT_EQ(monitors.monitors.size(), 1u);
    EXPECT_TRUE(monitors.HasCurrent());
    EXPECT_EQ(shell.calls, (Lines{"0:152", "1:128"})) << "added grey, then coloured";
    EXPECT_EQ(Model().TrayState(), 1);
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u) << "ownership released after the build";

    Model().Shutdown();
    EXPECT_TRUE(timers.running.empty());
    EXPECT_TRUE(gammaList.empty());
    EXPECT_EQ(shell.calls.back(), "2:128");
    EXPECT_TRUE(monitors.monitors.empty());
}

class NoMonitorTest : public MainWindowHarness {
  protected:
    NoMonitorTest() : MainWindowHarness("none.txt") {}
};

TEST_F(NoMonitorTest, GreyIconOffersOnlyExitAndNoWindow) {
    Model().Start();
    EXPECT_EQ(shell.calls, (Lines{"0:152", "1:152"}));
    EXPECT_EQ(Model().TrayState(), 2);
    view.Take();
    EXPECT_TRUE(Model().OnTrayNotify(TrayMouse::LeftDoubleClick));
    Model().OnSettingsCommand();
    EXPECT_TRUE(view.Take().empty()) << "nothing to show without a monitor";
    EXPECT_FALSE(Model().OnTrayNotify(TrayMouse::RightButtonUp)) << "handled, no default";
    EXPECT_EQ(view.Take(), (Lines{"menu 1"}));
}

TEST_F(MainWindowModelTest, MenuIsGreyWhileTheWindowOrAMenuDialogIsOpen) {
    Started();
    struct Case {
        int ShellState::*flag;
        const char* name;
    };
    for (const Case& c : {Case{&ShellState::m_mainShown, "main window"},
                          Case{&ShellState::m_eyeCareOpen, "EyeCare"},
                          Case{&ShellState::m_filterDialogOpen, "filter"},
                          Case{&ShellState::m_monitorListOpen, "monitor list"}}) {
        state.*c.flag = 1;
        Model().OnTrayNotify(TrayMouse::RightButtonUp);
        EXPECT_EQ(view.Take(), (Lines{"menu 0 grey"})) << c.name;
        Model().OnTrayNotify(TrayMouse::LeftDoubleClick);
        EXPECT_EQ(view.Take(), (Lines{"foreground"})) << c.name << ": only brought forward";
        state.*c.flag = 0;
    }
    Model().OnTrayNotify(TrayMouse::RightButtonUp);
    EXPECT_EQ(view.Take(), (Lines{"menu 0"}));
}

TEST_F(MainWindowModelTest, DoubleClickShowsPageZeroAndCloseHides) {
    Started();
    view.windowDevice = "\\\\.\\DISPLAY1";
    Model().OnTrayNotify(TrayMouse::LeftDoubleClick);
    EXPECT_EQ(view.Take(),
              (Lines{"auto-refresh", "tab 0", "page 0", "show", "foreground", "auto-refresh"}))
        << "the last refresh: the window's monitor became current";
    EXPECT_EQ(state.m_mainShown, 1);
    Model().OnSettingsCommand();
    EXPECT_EQ(view.Take(), (Lines{"auto-refresh"})) << "already shown";
    Model().OnClose();
    EXPECT_EQ(view.Take(), (Lines{"page -1", "hide"})) << "the user's close hides";
    EXPECT_EQ(state.m_mainShown, 0);
    // A close while the window is hidden comes from another program (an installer making way):
    // the program ends by Exit.
    Model().OnClose();
    EXPECT_EQ(view.Take(), (Lines{"exit"}));
}

TEST_F(MainWindowModelTest, Keys) {
    struct Case {
        KeyPress key;
        int pageBefore;
        KeyOutcome outcome;
        Lines events;
        int pageAfter;
    };
    const auto tab = KeyFocus::TabControl;
    const auto close = KeyFocus::CloseButton;
    const Case cases[] = {
        {{'C', true, false, false, tab}, 1, KeyOutcome::Consumed, {"page -1", "hide"}, 1},
        // A mnemonic the page took is replayed to it and goes no further; one it has not goes on.
        {{'M', true, false, false, tab}, 1, KeyOutcome::Consumed, {"mnemonic 1 M"}, 1},
        {{'R', false, false, false, close}, 2, KeyOutcome::Consumed, {"mnemonic 2 R"}, 2},
        {{'Q', true, false, false, tab}, 1, KeyOutcome::Dispatch, {"mnemonic 1 Q"}, 1},
        {{'1', false, false, false, tab}, 0, KeyOutcome::Dispatch, {}, 0},
        {{0x0D, false, false, false, tab}, 0, KeyOutcome::Consumed, {}, 0},
        {{0x0D, false, false, false, close}, 0, KeyOutcome::Consumed, {"page -1", "hide"}, 0},
        {{0x09, false, true, false, tab},
         2,
         KeyOutcome::DispatchWithoutNavigation,
         {"tab 0", "page 0", "tab-refresh", "auto-refresh"},
         0},
        {{0x09, false, true, true, tab},
         0,
         KeyOutcome::DispatchWithoutNavigation,
         {"tab 2", "page 2", "tab-refresh"},
         2},
        {{0x09, false, false, false, tab},
         1,
         KeyOutcome::DispatchWithoutNavigation,
         {"focus 1 first"},
         1},
        {{0x09, false, false, true, close},
         1,
         KeyOutcome::DispatchWithoutNavigation,
         {"focus 1 last"},
         1},
        {{0x09, false, false, true, tab}, 1, KeyOutcome::Dispatch, {}, 1},
        {{0x09, false, false, false, close}, 1, KeyOutcome::Dispatch, {}, 1},
    };
    Started();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        Model().OnTabSelected(c.pageBefore);
        view.Take();
        EXPECT_EQ(Model().OnKeyDown(c.key), c.outcome) << "case " << i;
        EXPECT_EQ(view.Take(), c.events) << "case " << i;
        EXPECT_EQ(Model().CurrentPage(), c.pageAfter) << "case " << i;
    }
}

TEST_F(MainWindowModelTest, KeepOnTopFollowsTheStoredChoiceAndIsStored) {
    CRegistry settings(registry);
    settings.WriteDword("NoTopmost", 1, kRootKey);
    Started().ApplyStoredTopmost();
    EXPECT_TRUE(view.Take().empty()) << "NoTopmost = 1: not on top, item unchecked";

    Model().OnKeepOnTop();
    EXPECT_EQ(view.Take(), (Lines{"topmost", "check"}));
    std::uint32_t stored = 9;
    ASSERT_TRUE(settings.ReadDword("NoTopmost", stored, kRootKey));
    EXPECT_EQ(stored, 0u);
    Model().OnKeepOnTop();
    EXPECT_EQ(view.Take(), (Lines{"not-topmost", "uncheck"}));
    ASSERT_TRUE(settings.ReadDword("NoTopmost", stored, kRootKey));
    EXPECT_EQ(stored, 1u);

    settings.DeleteValue("NoTopmost", kRootKey);
    Model().ApplyStoredTopmost();
    EXPECT_EQ(view.Take(), (Lines{"topmost", "check"})) << "no stored choice: on top";
}

// Started before the taskbar exists (a task at logon), or Explorer restarting without its
// notification area: the program runs on without the icon, adds it once "TaskbarCreated" comes
// or on its retry timer, and never ends for the lack of it.
TEST_F(MainWindowModelTest, WithoutATaskbarTheProgramRunsOnAndTheIconComesLater) {
    shell.script = {1460, 1460, 2, 2}; // Explorer busy, then no notification area at all
    Model().Start();
    EXPECT_EQ(Model().TrayState(), 0);
    EXPECT_EQ(shell.slept, 0u) << "nothing waits on the user-interface thread";
    EXPECT_EQ(timers.running[TIMER_TRAY_RETRY], 10'000u);
    EXPECT_TRUE(Model().OnTimer(TIMER_TRAY_RETRY));
    EXPECT_EQ(Model().TrayState(), 0);
    EXPECT_TRUE(timers.Runs(TIMER_TRAY_RETRY)) << "tried again later";

    shell.calls.clear();
    Model().OnTaskbarCreated();
    EXPECT_EQ(shell.calls, (Lines{"0:152", "1:128"}));
    EXPECT_EQ(Model().TrayState(), 1);
    EXPECT_FALSE(timers.Runs(TIMER_TRAY_RETRY));

    // Explorer restarts and cannot take the icon yet: no exit, the timer adds it later.
    shell.script = {5, 5};
    Model().OnTaskbarCreated();
    EXPECT_EQ(Model().TrayState(), 0);
    EXPECT_TRUE(timers.Runs(TIMER_TRAY_RETRY));
    Model().OnTimer(TIMER_TRAY_RETRY);
    EXPECT_EQ(Model().TrayState(), 1);
    EXPECT_FALSE(timers.Runs(TIMER_TRAY_RETRY));
    EXPECT_TRUE(view.Take().empty()) << "the program was not ended";
}

TEST(MainWindowFollow, TheMonitorUnderTheMovedWindowBecomesCurrent) {
    // Two desktop monitors, each with a maker monitor.
    auto monitor = [](const std::string& name, int display, int left) {
        return "monitor " + name + "\ndevice \\\\.\\DISPLAY" + std::to_string(display) +
               "\ndesktop " + std::to_string(left) + " 0 " + std::to_string(left + 1920) +
               " 1080\ncaps (prot(monitor)vcp(10 e0 e1)mswhql(1)mccs_ver(2.2))\nslot 0 text 10(e2 "
               "e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)\n"
               "slot 1 hex 040110 ff\nslot 2 text S-" +
               name + "\nslot 3 text M-" + name + "\n";
    };
    SimMachine sim(monitor("a", 1, 0) + monitor("b", 2, 1920));
    RecordingView view;
    ScriptedShell shell;
    FakeTimers timers;
    MemoryRegistry registry;
    CMonitorStatusAll monitors;
    ShellState state;
    FilterSettings settings;
    FakeOverlayPort overlays;
    FakeGammaPort gammaPort;
    GammaList gammaList;
    ScreenFilter filter{monitors, settings, overlays, gammaPort, sim.system.clock, gammaList};
    NumberedStrings strings;
    MainWindowModel model(
        {view, shell, timers, registry, sim.ctrl, monitors, state, filter, strings}, "tip");
    model.Start();
    ASSERT_EQ(monitors.monitors.size(), 2u);
    EXPECT_EQ(monitors.Current().serialNumber, "S-a");

    view.windowDevice = "\\\\.\\DISPLAY2";
    model.FollowWindowMonitor();
    EXPECT_EQ(monitors.Current().serialNumber, "S-a") << "only while the window is shown";
    model.ShowMainWindow();
    EXPECT_EQ(monitors.Current().serialNumber, "S-b");
    model.OnTabSelected(1);
    monitors.SelectByIndex(0);
    view.Take();
    model.FollowWindowMonitor();
    EXPECT_TRUE(view.Take().empty()) << "same display as last time: nothing";
    view.windowDevice = "\\\\.\\DISPLAY1";
    model.FollowWindowMonitor();
    EXPECT_EQ(view.Take(), (Lines{"refresh 1"})) << "the visible page shows the new monitor";
}

} // namespace
