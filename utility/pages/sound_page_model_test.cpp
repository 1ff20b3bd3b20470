// The sound page on simulated monitors: the volume it shows and offers, every slider position
// reaching the monitor, the sound reset with its exact bus traffic, and the store command that
// keeps the settings of the monitor the user leaves.
#include "sim/testing/sim_desktop.h"
#include "utility/pages/sound_page_model.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingSoundView : public SoundPageView {
  public:
    explicit RecordingSoundView(CMonitorStatusAll& monitors) : m_monitors(monitors) {}

    void SetMonitorList(const std::vector<std::string>& list, int selected) override {
        entries = list;
        selectedMonitor = selected;
    }
    void SetVolumeRange(int maximum) override { this->maximum = maximum; }
    void SetVolumePosition(int position) override { this->position = position; }
    void SetVolumeText(const std::string& value) override { text = value; }
    void EnableControls(const SoundPageControls& c) override { controls = c; }
    // As the main window does: the monitor becomes current before the call returns.
    void SelectMonitor(int index) override { m_monitors.SelectByIndex(index); }

    std::vector<std::string> entries;
    int selectedMonitor = -2;
    int maximum = -1;
    int position = -1;
    std::string text;
    SoundPageControls controls{true, true};

  private:
    CMonitorStatusAll& m_monitors;
};

// The page's model on one shipped description.
struct SoundPage {
    explicit SoundPage(const char* file) : desktop(file) {
        RebuildMonitorList(desktop.ctrl, monitors);
        desktop.Take();
    }
    SimMonitor& Monitor(int i) { return desktop.system.bus.Monitor(i); }
    void RefuseAdjustment() {
        Monitor(0).Write(0xE1, 0x20);
        Monitor(0).Write(0xE2, 0);
    }

    SimDesktop desktop;
    CMonitorStatusAll monitors;
    CurrentMonitor current{desktop.ctrl, monitors};
    NumberedStrings strings;
    RecordingSoundView view{monitors};
    SoundPageModel model{view, current, monitors, strings};
};

TEST(SoundPageModel, VolumeRangeTextAndControlsFollowTheMonitor) {
    constexpr std::nullopt_t kAsDescribed = std::nullopt; // the description's: volume and reset
    enum Trouble { None, Unreadable, Refused };
    struct Case {
        const char* name;
        const char* file;
        std::optional<std::uint32_t> flags;
        Trouble trouble;
        int maximum, position;
        SoundPageControls controls;
        bool enabled;
    };
    const Case cases[] = {
        {"volume and reset", "typical.txt", kAsDescribed, None, 100, 20, {true, true}, true},
        {"no sound functions: 0 of 30", "typical.txt", 0, None, 30, 0, {false, false}, true},
        {"reset only", "typical.txt", kAudioReset, None, 30, 0, {false, true}, true},
        {"volume unreadable", "typical.txt", kAsDescribed, Unreadable, 30, 0, {true, true}, true},
        {"adjustment refused", "typical.txt", kAsDescribed, Refused, 100, 20, {}, false},
        {"no monitor", "none.txt", kAsDescribed, None, 30, 0, {}, false},
    };
    for (const Case& c : cases) {
        SoundPage page(c.file);
        if (c.flags)
            page.monitors.monitors[0]->information.audioFlags = *c.flags;
        if (c.trouble == Unreadable)
            page.Monitor(0).InjectFault({SimFault::Kind::Read, 0, 0x62, 5});
        if (c.trouble == Refused)
            page.RefuseAdjustment();
        page.model.Refresh();
        EXPECT_EQ(page.view.maximum, c.maximum) << c.name;
        EXPECT_EQ(page.view.position, c.position) << c.name;
        EXPECT_EQ(page.view.text, std::to_string(c.position)) << c.name;
        EXPECT_EQ(page.view.controls, c.controls) << c.name;
        EXPECT_EQ(page.model.Enabled(), c.enabled) << c.name;
    }
}

TEST(SoundPageModel, EverySliderPositionReachesTheMonitorAndARefusedOneGoesBack) {
    SoundPage page("typical.txt");
    page.model.Refresh();
    EXPECT_EQ(page.view.entries, (Lines{"s1161 (EX-2451W)"}));
    EXPECT_EQ(page.view.selectedMonitor, 0);
    page.desktop.Take();
    page.model.VolumeMoved(21);
    page.model.VolumeMoved(22);
    page.model.VolumeMoved(22); // no move: nothing sent
    EXPECT_EQ(page.desktop.Take(), (Lines{"set 62=15 ok", "sleep 30", "set 62=16 ok", "sleep 30"}))
        << "no owner register around standard writes";
    EXPECT_EQ(page.view.text, "22");
    page.Monitor(0).InjectFault({SimFault::Kind::Write, 0, 0x62, 1});
    page.model.VolumeMoved(40);
    EXPECT_EQ(page.view.position, 22) << "back to the last volume the monitor took";
    EXPECT_EQ(page.view.text, "22");
    EXPECT_EQ(page.Monitor(0).Value(0, 0x62), 22u);
}

TEST(SoundPageModel, ResetSendsTheCommandAndReloadsTheVolume) {
    SoundPage page("typical.txt");
    page.model.Refresh();
    page.model.VolumeMoved(60);
    page.desktop.Take();
    page.model.SoundReset();
    EXPECT_EQ(page.desktop.Take(),
              (Lines{// TakeOwnership
                     "get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
                     "get e0 ok cur=1f40 max=ffff", "sleep 20",
                     // IsAdjustmentPermitted
                     "set e1=20 ok", "sleep 20", "get e2 ok cur=1 max=1", "sleep 20",
                     "set e1=20 ok", "sleep 20", "get e6 ok cur=0 max=1", "sleep 20",
                     // the reset on the command page, then the volume read again
                     "set e1=f0 ok", "sleep 20", "set e2=4 ok", "sleep 3200",
                     "get 62 ok cur=14 max=64", "sleep 20", // back to the monitor's own 20
                                                            // ReleaseOwnership
                     "set e0=0 ok", "sleep 10"}));
    EXPECT_TRUE(page.model.Enabled());

    page.RefuseAdjustment();
    page.model.SoundReset();
    EXPECT_EQ(page.view.controls, SoundPageControls{}) << "a refused reset disables the page";
    EXPECT_FALSE(page.model.Enabled());
    EXPECT_EQ(page.Monitor(0).Value(0xF0, 0xE2), 4u) << "sent once only";
}

TEST(SoundPageModel, HidingThePageStoresTheSoundSettingsOfAMonitorThatHasThem) {
    struct Case {
        const char* name;
        const char* file;
        std::uint32_t flags;
        Lines trace;
    };
    const Case cases[] = {
        {"sound functions",
         "typical.txt",
         kAudioReset | kAudioVolume,
         {"get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
          "get e0 ok cur=1f40 max=ffff", "sleep 20", "set e1=f0 ok", "sleep 20", "set e3=a ok",
          "sleep 120", "set e0=0 ok", "sleep 10"}},
        {"no sound functions", "typical.txt", 0, {}},
        {"no monitor", "none.txt", 0, {}},
    };
    for (const Case& c : cases) {
        SoundPage page(c.file);
        if (!page.monitors.monitors.empty())
            page.monitors.monitors[0]->information.audioFlags = c.flags;
        page.model.Refresh();
        page.desktop.Take();
        page.model.PageHidden();
        EXPECT_EQ(page.desktop.Take(), c.trace) << c.name;
    }
}

TEST(SoundPageModel, ChangingMonitorStoresTheLeftMonitorsSettingsAndLoadsTheNewOne) {
    SoundPage page("dual.txt");
    page.monitors.monitors[0]->information.audioFlags = 0; // stored whatever it offers
    page.model.Refresh();
    page.model.MonitorChanged(1);
    EXPECT_EQ(page.Monitor(0).StoreCommands(), (std::vector<std::uint32_t>{10}));
    EXPECT_TRUE(page.Monitor(1).StoreCommands().empty());
    EXPECT_EQ(page.monitors.currentIndex, 1);
    EXPECT_EQ(page.view.maximum, 100);
    EXPECT_EQ(page.view.position, 0) << "the second monitor's volume";
    EXPECT_EQ(page.Monitor(1).Owner(), 0u);
}

} // namespace
