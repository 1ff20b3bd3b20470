// The main window's system events on simulated monitors: display changes and the rescan,
// suspend and resume, session unlock, the end of the session, and the screen filter at start-up.
#include "utility/settings/settings_keys.h"
#include "utility/shell/testing/main_window_harness.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class MainWindowEventsTest : public MainWindowHarness {
  protected:
    explicit MainWindowEventsTest(const char* file = "typical.txt") : MainWindowHarness(file) {}

    // The program as it runs after start-up, the window hidden.
    MainWindowModel& Running() {
        Model().Start();
        Model().StartReminder();
        Model().SetUpFilter();
        view.Take();
        shell.calls.clear();
        return *model;
    }

    void StoreFilter(const std::string& path, std::uint32_t alpha, std::int32_t luminance) {
        CRegistry settings(registry);
        const std::uint8_t on = 1;
        settings.WriteBinary("On", &on, 1, kVSFilterKey.data());
        settings.WriteDword("FileType", 2, kVSFilterKey.data());
        settings.WriteString("FilePath", path.c_str(), static_cast<std::uint32_t>(path.size() + 1),
                             kVSFilterKey.data());
        settings.WriteDword("Alpha", alpha, kVSFilterKey.data());
        settings.WriteBinary("Luminance", &luminance, 4, kVSFilterKey.data());
    }

    void StoreReminder(int hours) {
        CRegistry settings(registry);
        const std::string model = "EX-2451W", serial = "41234567"; // typical.txt's
        settings.WriteString("Model Name", model.c_str(), 9, kEyeCareKey.data());
        settings.WriteString("Serial Num", serial.c_str(), 9, kEyeCareKey.data());
        const std::uint8_t on = 1, hour = static_cast<std::uint8_t>(hours);
        settings.WriteBinary("On", &on, 1, kReminderKey.data());
        settings.WriteBinary("Hour", &hour, 1, kReminderKey.data());
    }

    // The rescan timer's expiry, as the window hands it on.
    void FireRescan() { EXPECT_TRUE(Model().OnTimer(TIMER_RESCAN)); }
};

TEST_F(MainWindowEventsTest, ABurstOfDisplayChangesGivesOneRescanASecondAfterTheFirst) {
    Running();
    const int rescans = Model().RescanCount();
    Model().OnDisplayChange();
    Model().OnDisplayChange();
    EXPECT_EQ(timers.running[TIMER_RESCAN], 1000u);
    EXPECT_EQ(timers.starts[TIMER_RESCAN], 1) << "the second change does not restart the timer";
    EXPECT_TRUE(overlays.Live().empty()) << "the overlays go at once";

    FireRescan();
    EXPECT_EQ(Model().RescanCount(), rescans + 1);
    EXPECT_FALSE(timers.Runs(TIMER_RESCAN));
    EXPECT_EQ(overlays.Live().size(), 1u) << "made again for the rebuilt list";
    FireRescan(); // a late expiry after the timer was stopped finds nothing to do
    EXPECT_EQ(Model().RescanCount(), rescans + 1);
    EXPECT_EQ(view.Take(), (Lines{"page -1", "hide"})) << "same monitor: no change reported";
}

TEST_F(MainWindowEventsTest, RescanWaitsWhileAColourAdjustmentRuns) {
    Running();
    const int rescans = Model().RescanCount();
    Model().OnDisplayChange();
    monitors.adjustmentBusy = 1;
    FireRescan();
    FireRescan();
    EXPECT_EQ(Model().RescanCount(), rescans);
    EXPECT_TRUE(timers.Runs(TIMER_RESCAN)) << "it keeps firing";
    monitors.adjustmentBusy = 0;
    FireRescan();
    EXPECT_EQ(Model().RescanCount(), rescans + 1);
}

// A dialog's message loop dispatches the display change's rescan and the menu's Exit (also as an
// installer's close or ENDSESSION_CLOSEAPP post it) while the code that opened it waits: both ask
// every open loop to end and wait until none runs.
TEST_F(MainWindowEventsTest, RescanAndExitAskTheOpenLoopsToEndAndWaitForThem) {
    Running();
    const int rescans = Model().RescanCount();
    Model().OnEyeCareCommand([&] {
        Model().OnDisplayChange();
        FireRescan();
        EXPECT_EQ(Model().RescanCount(), rescans) << "the monitor list stays";
        EXPECT_EQ(timers.running[TIMER_RESCAN], 100u) << "looked at again once they have ended";
        EXPECT_FALSE(Model().OnExitCommand()) << "the window stays";
        Model().OnTimer(TIMER_EXIT_RETRY);
        Model().OnTimer(TIMER_EXIT_RETRY);
        EXPECT_EQ(view.Take(), (Lines{"end-loops", "end-loops", "end-loops", "end-loops"}))
            << "asked by the rescan, by Exit and at every retry: a closed box's caller may have "
               "opened another loop";
    });
    FireRescan();
    EXPECT_EQ(Model().RescanCount(), rescans + 1);
    EXPECT_FALSE(timers.Runs(TIMER_RESCAN));
    Model().OnTimer(TIMER_EXIT_RETRY);
    EXPECT_EQ(view.Take(), (Lines{"page -1", "hide", "exit"})) << "Exit posted again";
    EXPECT_FALSE(timers.Runs(TIMER_EXIT_RETRY));
    EXPECT_TRUE(Model().OnExitCommand());
}

class TwoMonitorEventsTest : public MainWindowEventsTest {
  protected:
    TwoMonitorEventsTest() : MainWindowEventsTest("dual.txt") {}
};

TEST_F(TwoMonitorEventsTest, TheRememberedMonitorIsCurrentAgainAfterARescan) {
    Running();
    ASSERT_EQ(monitors.monitors.size(), 2u);
    Model().SelectMonitor(1); // not the one a fresh list starts with
    const std::string key = monitors.Current().identityKey;
    Model().OnDisplayChange();
    FireRescan();
    EXPECT_EQ(monitors.currentIndex, 1);
    EXPECT_EQ(monitors.Current().identityKey, key);
    EXPECT_FALSE(Model().RescanNotifyPending()) << "the same monitors: nothing to report";
    EXPECT_EQ(overlays.Live().size(), 2u) << "one overlay per monitor";
}

TEST_F(MainWindowEventsTest, NoMonitorAfterARescanGreysTheIconAndLeavesNoCurrentMonitor) {
    Running();
    state.m_hwndEyeCare = &state; // an open dialog, to see it asked to close
    desktop.system.bus.Monitor(0).SetPlugged(false);
    Model().OnDisplayChange();
    FireRescan();
    EXPECT_TRUE(monitors.monitors.empty());
    EXPECT_FALSE(monitors.HasCurrent());
    EXPECT_EQ(&monitors.Current(), &NullMonitor());
    EXPECT_EQ(Model().TrayState(), 2) << "grey";
    EXPECT_EQ(shell.calls, (Lines{"1:152"}));
    EXPECT_EQ(view.Take(), (Lines{"page -1", "hide", "monitors-changed"}));

    // The change is reported once no adjustment runs: the dialogs close, the window hides.
    EXPECT_TRUE(Model().RescanNotifyPending());
    EXPECT_EQ(timers.running[TIMER_RESCAN_NOTIFY], 100u);
    monitors.adjustmentBusy = 1;
    Model().OnTimer(TIMER_RESCAN_NOTIFY);
    EXPECT_TRUE(view.Take().empty()) << "not while an adjustment runs";
    monitors.adjustmentBusy = 0;
    Model().OnTimer(TIMER_RESCAN_NOTIFY);
    EXPECT_EQ(view.Take(), (Lines{"close-dialogs", "page -1", "hide"}));
    EXPECT_FALSE(Model().RescanNotifyPending());
    EXPECT_FALSE(timers.Runs(TIMER_RESCAN_NOTIFY)) << "nothing left to report";

    desktop.system.bus.Monitor(0).SetPlugged(true);
    Model().OnDisplayChange();
    FireRescan();
    EXPECT_EQ(Model().TrayState(), 1) << "coloured again";
}

TEST_F(MainWindowEventsTest, StoredFilterShowsOnEveryOverlayAndAnUnreadablePictureSwitchesItOff) {
    overlays.pictures["C:\\pics\\calm.png"] = {640, 480};
    StoreFilter("C:\\pics\\calm.png", 96, 20);
    Running();
    const auto live = overlays.Live();
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->desktop.right, 1920);
    EXPECT_TRUE(live[0]->shown);
    EXPECT_EQ(live[0]->alpha, 96);
    ASSERT_NE(live[0]->picture, nullptr);
    EXPECT_EQ(live[0]->picture->Width(), 640);
    EXPECT_EQ(gammaPort.devices[0].written.back()[0], 20) << "the luminance on DISPLAY1";
    EXPECT_EQ(filter.RampStartReadBack(), 20) << "as the display gives it back";

    overlays.pictures.clear(); // the picture was deleted
    Model().OnDisplayChange();
    FireRescan();
    EXPECT_FALSE(filter.On()) << "off for this run";
    ASSERT_EQ(overlays.Live().size(), 1u);
    EXPECT_FALSE(overlays.Live()[0]->shown);
    std::uint32_t stored = 0;
    EXPECT_TRUE(CRegistry(registry).ReadDword("On", stored, kVSFilterKey.data()));
    EXPECT_EQ(stored, 1u) << "the stored filter stays";
}

TEST_F(MainWindowEventsTest, ResumeRestartsTheReminderAndReappliesTheFilterSevenSecondsLater) {
    overlays.pictures["calm.png"] = {64, 64};
    StoreFilter("calm.png", 128, -30);
    StoreReminder(2);
    Running();
    EXPECT_EQ(timers.running[TIMER_REMINDER], 2u * 3'600'000);
    EXPECT_EQ(timers.running[TIMER_SCREENSAVER_WATCH], 1000u);

    Model().OnPowerBroadcast(kPowerSuspend);
    EXPECT_FALSE(timers.Runs(TIMER_REMINDER));
    EXPECT_FALSE(Model().Reminder().IntervalRuns());
    Model().OnPowerBroadcast(kPowerResume);
    EXPECT_EQ(timers.starts[TIMER_REMINDER], 2) << "the interval starts afresh";
    EXPECT_EQ(timers.running[TIMER_FILTER_REAPPLY], 7000u);

    gammaPort.devices[0].written.clear();
    EXPECT_TRUE(Model().OnTimer(TIMER_FILTER_REAPPLY));
    ASSERT_EQ(gammaPort.devices[0].written.size(), 2u) << "identity, then the luminance";
    EXPECT_EQ(gammaPort.devices[0].written[1][255], 255);
    EXPECT_FALSE(timers.Runs(TIMER_FILTER_REAPPLY));

    // With the filter dialog open, the dialog applies its own settings.
    state.m_hwndFilterDialog = &state;
    Model().OnSessionChange(kSessionUnlock);
    Model().OnSessionChange(kSessionUnlock);
    EXPECT_EQ(timers.starts[TIMER_FILTER_REAPPLY], 3) << "restarted: 7 s after the last unlock";
    view.Take();
    Model().OnTimer(TIMER_FILTER_REAPPLY);
    EXPECT_EQ(view.Take(), (Lines{"filter-reapply"}));
}

// Windows sends PBT_APMRESUMEAUTOMATIC on every resume and PBT_APMRESUMESUSPEND as well after
// user input: one resume, one restart of the interval and one re-application, whatever came.
TEST_F(MainWindowEventsTest, EachResumeIsHandledOnceWhicheverMessagesCome) {
    overlays.pictures["calm.png"] = {64, 64};
    StoreFilter("calm.png", 128, -30);
    StoreReminder(2);
    Running();
    const std::vector<std::vector<std::uint32_t>> resumes = {
        {kPowerResumeAutomatic, kPowerResume}, // woken by the user
        {kPowerResume, kPowerResumeAutomatic},
        {kPowerResumeAutomatic}, // woken by a timer, nobody there
        {kPowerResume},
    };
    for (std::size_t i = 0; i < resumes.size(); ++i) {
        const int reapplies = timers.starts[TIMER_FILTER_REAPPLY];
        const int intervals = timers.starts[TIMER_REMINDER];
        Model().OnPowerBroadcast(kPowerSuspend);
        for (std::uint32_t message : resumes[i])
            Model().OnPowerBroadcast(message);
        EXPECT_EQ(timers.starts[TIMER_FILTER_REAPPLY], reapplies + 1) << "resume " << i;
        EXPECT_EQ(timers.starts[TIMER_REMINDER], intervals + 1) << "resume " << i;
        Model().OnTimer(TIMER_FILTER_REAPPLY);
    }
}

// Early in a logon the terminal service is not ready: the registration is tried again every
// 5 s, for at most 5 minutes, and only for that error.
TEST_F(MainWindowEventsTest, SessionRegistrationIsRetriedWhileTheTerminalServiceStarts) {
    struct Case {
        std::deque<std::uint32_t> errors;
        int tries;
        bool registered;
    };
    const Case cases[] = {
        {{}, 1, true},
        {{1702, 1702}, 3, true},
        {{5}, 1, false},
        {std::deque<std::uint32_t>(100, 1702), 60, false},
    };
    Running();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        view.sessionErrors = cases[i].errors;
        view.sessionTries = 0;
        Model().RegisterSessionNotifications();
        for (int fired = 0; timers.Runs(TIMER_SESSION_RETRY) && fired < 100; ++fired) {
            EXPECT_EQ(timers.running[TIMER_SESSION_RETRY], 5000u) << "case " << i;
            Model().OnTimer(TIMER_SESSION_RETRY);
        }
        EXPECT_EQ(view.sessionTries, cases[i].tries) << "case " << i;
        view.Take();
        Model().Shutdown();
        const Lines unregistered = cases[i].registered ? Lines{"session-unregistered"} : Lines{};
        EXPECT_EQ(view.Take(), unregistered) << "case " << i;
    }
}

TEST_F(MainWindowEventsTest, FilterOffIgnoresResumeAndUnlock) {
    Running();
    Model().OnPowerBroadcast(kPowerResume);
    Model().OnSessionChange(kSessionUnlock);
    EXPECT_FALSE(timers.Runs(TIMER_FILTER_REAPPLY));
    EXPECT_FALSE(timers.Runs(TIMER_REMINDER)) << "no reminder stored";
    EXPECT_FALSE(Model().OnTimer(99)) << "not the model's timer";
}

TEST_F(MainWindowEventsTest, ReminderTimersShowTheBalloonRemoveItAndWatchTheScreenSaver) {
    StoreReminder(1);
    Running();
    EXPECT_TRUE(Model().OnTimer(TIMER_REMINDER));
    EXPECT_EQ(shell.calls, (Lines{"balloon:128:s231:s232"}));
    EXPECT_EQ(shell.lastBalloon.tip, "Visomat");
    EXPECT_TRUE(Model().BalloonShown());
    EXPECT_EQ(timers.running[TIMER_BALLOON_HIDE], 10'000u);
    EXPECT_TRUE(Model().OnTimer(TIMER_BALLOON_HIDE));
    EXPECT_EQ(shell.calls.back(), "balloon:128:s231:") << "the same record, text emptied";
    EXPECT_FALSE(Model().BalloonShown());
    EXPECT_FALSE(timers.Runs(TIMER_BALLOON_HIDE));
    shell.screenSaver = true;
    EXPECT_TRUE(Model().OnTimer(TIMER_SCREENSAVER_WATCH));
    EXPECT_FALSE(timers.Runs(TIMER_REMINDER));
    EXPECT_TRUE(Model().Reminder().Paused());
}

TEST_F(MainWindowEventsTest, AReminderWhoseMonitorComesWithARescanStartsThen) {
    StoreReminder(2);
    desktop.system.bus.Monitor(0).SetPlugged(false);
    Running();
    EXPECT_FALSE(timers.Runs(TIMER_REMINDER)) << "its monitor is not there";
    desktop.system.bus.Monitor(0).SetPlugged(true);
    Model().OnDisplayChange();
    FireRescan();
    EXPECT_EQ(timers.running[TIMER_REMINDER], 2u * 3'600'000);
    EXPECT_TRUE(timers.Runs(TIMER_SCREENSAVER_WATCH));
}

TEST_F(MainWindowEventsTest, EyeCareDialogRunsOnlyWithAMonitorAndTheReminderFollowsIt) {
    Running();
    int runs = 0;
    Model().OnEyeCareCommand([&] {
        ++runs;
        EXPECT_EQ(state.m_eyeCareOpen, 1);
        StoreReminder(2); // the user saved a reminder
    });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(state.m_eyeCareOpen, 0);
    EXPECT_EQ(timers.running[TIMER_REMINDER], 2u * 3'600'000);
    EXPECT_TRUE(timers.Runs(TIMER_SCREENSAVER_WATCH));

    desktop.system.bus.Monitor(0).SetPlugged(false);
    Model().OnDisplayChange();
    FireRescan();
    Model().OnEyeCareCommand([&] { ++runs; });
    EXPECT_EQ(runs, 1) << "no current monitor, no dialog";
}

TEST_F(MainWindowEventsTest, OnlyARealEndOfSessionStopsTheReminderAndRestoresTheRamps) {
    StoreReminder(1);
    Running();
    ASSERT_EQ(gammaList.size(), 1u);
    Model().OnEndSession(false, false); // the user cancelled the shut-down
    Model().OnEndSession(false, true);  // an installer's request, withdrawn
    EXPECT_TRUE(timers.Runs(TIMER_REMINDER));
    EXPECT_EQ(gammaList.size(), 1u);
    EXPECT_TRUE(view.Take().empty());
    // Only this program is asked to end while Windows goes on: it ends by Exit, which restores
    // the ramps and removes the icon and the overlays as it goes.
    Model().OnEndSession(true, true);
    EXPECT_EQ(view.Take(), (Lines{"exit"}));
    Model().OnEndSession(true, false);
    EXPECT_FALSE(timers.Runs(TIMER_REMINDER));
    EXPECT_FALSE(timers.Runs(TIMER_SCREENSAVER_WATCH));
    EXPECT_TRUE(gammaList.empty());
    EXPECT_TRUE(view.Take().empty()) << "the session's end ends the process";
}

} // namespace
