// The colour page on simulated monitors: what it lists, the picture-mode change with its exact
// bus traffic, the rejected change, and which controls the user may use.
#include "sim/testing/sim_desktop.h"
#include "utility/pages/color_page_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/shell/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingColorView : public ColorPageView {
  public:
    void SetMonitorList(const std::vector<std::string>& entries, int selected) override {
        monitors = entries;
        selectedMonitor = selected;
    }
    void SetModeList(const std::vector<ModeItem>& items) override { modes = items; }
    void SelectModeItem(int index) override { selectedMode = index; }
    void SetDataNameList(const std::vector<std::string>& list) override { names = list; }
    DataNameBox ReadDataName() override { return box; }
    void WriteDataName(const std::string& text, int caret) override {
        box.text = text;
        if (text.empty())
            box.selected = -1;
        if (caret >= 0)
            this->caret = caret;
    }
    void EnableControls(const ColorPageControls& c) override { controls = c; }
    void ShowWarning(std::uint32_t id) override { warnings.push_back(id); }
    void SelectMonitor(int index) override { selectRequests.push_back(index); }

    std::vector<std::string> monitors;
    int selectedMonitor = -2;
    std::vector<ModeItem> modes;
    int selectedMode = -1;
    std::vector<std::string> names;
    DataNameBox box;
    int caret = -1;
    ColorPageControls controls;
    std::vector<std::uint32_t> warnings;
    std::vector<int> selectRequests;
};

class ColorPageModelTest : public testing::Test {
  protected:
    explicit ColorPageModelTest(const char* file = "typical.txt") : desktop(file) {
        RebuildMonitorList(desktop.ctrl, monitors);
        desktop.Take();
    }

    SimDesktop desktop;
    CMonitorStatusAll monitors;
    CurrentMonitor current{desktop.ctrl, monitors};
    MemoryRegistry registry;
    NumberedStrings strings;
    CMonitorColor snapshot;
    RecordingColorView view;
    ColorPageModel model{view, current, monitors, registry, strings, snapshot};
};

TEST_F(ColorPageModelTest, RefreshListsTheMonitorItsModesAndTheStoredNames) {
    CRegistry settings(registry);
    const char record[4] = {1, 2, 3, 4};
    settings.WriteBinary("Office", record, sizeof record, kColorKey.data());
    settings.WriteBinary("Night", record, sizeof record, kColorKey.data());
    model.Refresh();
    EXPECT_EQ(view.monitors, (Lines{"s116"
                                    "1 (EX-2451W)"}));
    EXPECT_EQ(view.selectedMonitor, 0);
    // Mask bits 0-4, 17 and 31: the list follows the mode numbers with their names.
    EXPECT_EQ(view.modes, (std::vector<ModeItem>{{"s111", 0},
                                                 {"s112", 1},
                                                 {"s113", 2},
                                                 {"s114", 3},
                                                 {"s115", 4},
                                                 {"s104", 17},
                                                 {"s108", 31}}));
    EXPECT_EQ(view.selectedMode, 0) << "the monitor is in mode 0";
    EXPECT_EQ(snapshot.modeRead, 1);
    EXPECT_EQ(snapshot.modeCurrent, 0);
    EXPECT_EQ(snapshot.modeMaximum, 36);
    EXPECT_EQ(view.names.size(), 2u);
    EXPECT_TRUE(model.Enabled());
    EXPECT_EQ(view.controls, (ColorPageControls{true, true, true, false, false, false}))
        << "no name yet: nothing to register, delete or restore";
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u);
}

TEST_F(ColorPageModelTest, ModeChangeWritesTheModeWithinOneOwnershipBracket) {
    model.Refresh();
    desktop.Take();
    model.ModeChanged(5); // "Game mode", mode 17
    EXPECT_EQ(desktop.Take(),
              (Lines{// TakeOwnership: the register is free, our identifier goes in
                     "get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
                     // the mode: page register, then the mode and its pause
                     "set e1=30 ok", "sleep 20", "set e2=11 ok", "sleep 340",
                     // read back on the same page
                     "get e2 ok cur=11 max=24", "sleep 20",
                     // IsAdjustmentPermitted: page 0x20 codes 0xE2 and 0xE6
                     "set e1=20 ok", "sleep 20", "get e2 ok cur=1 max=1", "sleep 20",
                     "set e1=20 ok", "sleep 20", "get e6 ok cur=0 max=1", "sleep 20",
                     // ReleaseOwnership
                     "set e0=0 ok", "sleep 10"}));
    EXPECT_EQ(desktop.system.bus.Monitor(0).Value(0x30, 0xE2), 17u);
    EXPECT_EQ(snapshot.modeCurrent, 17);
    EXPECT_EQ(view.selectedMode, 5);
    EXPECT_TRUE(model.Enabled());
}

TEST_F(ColorPageModelTest, RejectedModeKeepsThePreviousModeSelected) {
    model.Refresh();
    model.ModeChanged(2);
    ASSERT_EQ(view.selectedMode, 2);
    desktop.system.bus.Monitor(0).InjectFault({SimFault::Kind::Write, 0x30, 0xE2, 1});
    model.ModeChanged(5);
    EXPECT_EQ(view.selectedMode, 2) << "back to the last mode that was set";
    EXPECT_EQ(desktop.system.bus.Monitor(0).Value(0x30, 0xE2), 2u);
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u) << "released after the failure too";
}

TEST_F(ColorPageModelTest, DataNameDecidesRegisterDeleteAndRestore) {
    CRegistry settings(registry);
    const char record[4] = {};
    settings.WriteBinary("Office", record, sizeof record, kColorKey.data());
    model.Refresh();
    struct Case {
        std::string text;
        int selected;
        bool registerButton, deleteButton;
    };
    const Case cases[] = {
        {"", -1, false, false},       // nothing typed or picked
        {"", 0, true, true},          // an item picked, its text not yet read
        {"Evening", -1, true, false}, // a new name
        {"OFFICE", -1, true, true},   // a stored name in other letter case
    };
    for (const Case& c : cases) {
        view.box = {c.text, c.selected};
        model.DataNameEdited();
        EXPECT_EQ(view.controls.registerButton, c.registerButton) << c.text << c.selected;
        EXPECT_EQ(view.controls.deleteButton, c.deleteButton) << c.text << c.selected;
        EXPECT_EQ(view.controls.restoreButton, c.deleteButton) << c.text << c.selected;
    }
    model.DataNameDroppedDown();
    EXPECT_EQ(view.box.text, "") << "the list drops down: the typed name goes";
    EXPECT_FALSE(view.controls.registerButton || view.controls.deleteButton ||
                 view.controls.restoreButton);
}

TEST_F(ColorPageModelTest, TooLongNamePutsBackTheTextBeforeTheChange) {
    model.Refresh();
    view.box = {std::string(32, 'a'), -1};
    model.DataNameEdited();
    view.box = {std::string(32, 'a') + "b", -1};
    model.DataNameEdited();
    EXPECT_EQ(view.warnings, (std::vector<std::uint32_t>{246}));
    EXPECT_EQ(view.box.text, std::string(32, 'a'));
    EXPECT_EQ(view.caret, 32);
}

class ColorPageWithoutMonitorTest : public ColorPageModelTest {
  protected:
    ColorPageWithoutMonitorTest() : ColorPageModelTest("none.txt") {}
};

TEST_F(ColorPageWithoutMonitorTest, NothingIsListedAndNothingIsSent) {
    model.Refresh();
    model.ModeChanged(0);
    EXPECT_TRUE(view.monitors.empty());
    EXPECT_EQ(view.selectedMonitor, -1);
    EXPECT_TRUE(view.modes.empty());
    EXPECT_FALSE(model.Enabled());
    EXPECT_EQ(view.controls, ColorPageControls{});
    EXPECT_TRUE(desktop.Take().empty());
}

} // namespace
