// The colour page on simulated monitors: what it lists, the picture-mode change with its exact
// bus traffic, the rejected change, and which controls the user may use.
#include "sim/testing/sim_desktop.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/color_page_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingColorView : public ColorPageView {
  public:
    explicit RecordingColorView(const ShellState& s) : shell(s) {}

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
    void ShowWarning(std::uint32_t id) override {
        warnings.push_back(id);
        loopsAtQuestions.push_back(shell.m_modalLoops);
    }
    void SelectMonitor(int index) override { selectRequests.push_back(index); }
    bool ConfirmDelete() override {
        events.push_back("confirm-delete");
        loopsAtQuestions.push_back(shell.m_modalLoops);
        return confirmDelete;
    }
    void FocusMainClose() override { events.push_back("focus-close"); }
    void FocusColorButton() override { events.push_back("focus-color"); }
    void StepAsideForAdjustment() override { events.push_back("step-aside"); }
    void ComeBackAfterAdjustment() override { events.push_back("come-back"); }
    void RunColorDialog() override {
        events.push_back("dialog");
        loopsAtQuestions.push_back(shell.m_modalLoops);
        if (duringDialog)
            duringDialog();
    }

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
    std::vector<std::string> events;
    bool confirmDelete = true;
    std::function<void()> duringDialog;
    // The program's open loops as each box and dialog saw them: each runs in one.
    const ShellState& shell;
    std::vector<int> loopsAtQuestions;
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
    JapaneseCodePage codePage;
    ShellState shell;
    RecordingColorView view{shell};
    ColorPageModel model{view, current, monitors, registry, strings, codePage, snapshot, shell};
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
                     "get e0 ok cur=1f40 max=ffff", "sleep 20",
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
    settings.WriteBinary("\x83\x41", record, sizeof record, kColorKey.data()); // "ア"
    model.Refresh();
    struct Case {
        std::string text;
        int selected;
        bool registerButton, deleteButton;
    };
    const Case cases[] = {
        {"", -1, false, false},        // nothing typed or picked
        {"", 0, true, true},           // an item picked, its text not yet read
        {"Evening", -1, true, false},  // a new name
        {"OFFICE", -1, true, true},    // a stored name in other letter case
        {"\x83\x61", -1, true, false}, // "ヂ", which differs from "ア" only in a second byte
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

TEST_F(ColorPageModelTest, NothingSelectedOrAForeignIndexChangesNoMode) {
    model.Refresh();
    desktop.Take();
    model.ModeChanged(-1); // CB_ERR: no item selected
    model.ModeChanged(99);
    EXPECT_TRUE(desktop.Take().empty());
}

TEST_F(ColorPageModelTest, TooLongJapaneseNameIsCutAfterAWholeCharacter) {
    model.Refresh();
    const std::string kept = std::string(31, 'a') + "\x83\x65"; // 33 bytes, last char double
    view.box = {kept.substr(0, 31), -1};
    model.DataNameEdited();
    view.box = {kept, -1};
    model.DataNameEdited();
    EXPECT_EQ(view.box.text, std::string(31, 'a')) << "the 31 bytes before: no half character";
    EXPECT_EQ(view.caret, 31);
}

TEST_F(ColorPageModelTest, RegisteredDataRestoresTheMonitorsSettings) {
    model.Refresh();
    view.box = {"Office", -1};
    model.Register();
    std::uint8_t bytes[200] = {};
    EXPECT_FALSE(CRegistry(registry).ReadValue("Office", bytes, 171, kColorKey.data()));
    EXPECT_TRUE(CRegistry(registry).ReadValue("Office", bytes, 172, kColorKey.data()))
        << "172 bytes";
    EXPECT_EQ(view.names, (Lines{"Office"}));
    EXPECT_EQ(view.events, (Lines{"focus-close"}));
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u);

    SimMonitor& monitor = desktop.system.bus.Monitor(0);
    monitor.Write(0x10, 80);  // the user changes brightness on the monitor itself
    view.box = {"office", 0}; // the stored name, picked in other letter case
    model.DataNameSelected(0);
    model.Restore();
    EXPECT_EQ(monitor.Value(0, 0x10), 50u) << "brightness as registered";
    EXPECT_EQ(monitor.StoreCommands(), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(desktop.system.bus.Monitor(0).Owner(), 0u);
}

// Data of another model, a damaged record or a monitor that refuses adjustment: nothing is
// written to the monitor, not even the store command, and the user hears why.
TEST_F(ColorPageModelTest, RestoreThatCannotGoThroughWritesNothing) {
    const struct {
        const char* name;
        std::vector<std::uint32_t> warnings;
    } cases[] = {{"Other", {181}}, {"Broken", {260}}, {"Refused", {}}};
    AdjustmentRecord record;
    record.modelName = "EX-9999";
    record.mode = 3;
    WriteAdjustmentRecord(CRegistry(registry), "Other", record);
    const std::vector<std::uint8_t> part(100, 1); // a record cut short
    CRegistry(registry).WriteBinary("Broken", part.data(), 100, kColorKey.data());
    record.modelName = monitors.Current().modelName;
    WriteAdjustmentRecord(CRegistry(registry), "Refused", record);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model.Refresh();
        if (std::string(c.name) == "Refused")
            desktop.system.bus.Monitor(0).InjectFault({SimFault::Kind::Read, 0x20, 0xE2, 99});
        view.box = {c.name, -1};
        view.warnings.clear();
        desktop.Take();
        model.Restore();
        EXPECT_EQ(view.warnings, c.warnings);
        // Only the owner and page registers are written, to claim the monitor and to read.
        for (const std::string& line : desktop.Take()) {
            EXPECT_TRUE(line.rfind("set", 0) != 0 || line.rfind("set e0", 0) == 0 ||
                        line.rfind("set e1", 0) == 0)
                << line;
        }
        EXPECT_TRUE(desktop.system.bus.Monitor(0).StoreCommands().empty());
    }
}

TEST_F(ColorPageModelTest, RegisterRefusedByTheRegistrySaysSoAndKeepsThePage) {
    model.Refresh();
    registry.MakeReadOnly(kColorKey.data());
    view.box = {"Office", -1};
    model.DataNameEdited();
    const ColorPageControls before = view.controls;
    model.Register();
    EXPECT_EQ(view.warnings, (std::vector<std::uint32_t>{261}));
    EXPECT_EQ(view.loopsAtQuestions, (std::vector<int>{1})) << "the warning is a counted loop";
    EXPECT_EQ(view.controls, before);
    EXPECT_TRUE(ListAdjustmentDataNames(CRegistry(registry)).empty());
}

TEST_F(ColorPageModelTest, DeleteAsksFirst) {
    WriteAdjustmentRecord(CRegistry(registry), "Office", AdjustmentRecord{});
    model.Refresh();
    view.box = {"Office", 0};
    view.confirmDelete = false;
    model.Delete();
    EXPECT_EQ(ListAdjustmentDataNames(CRegistry(registry)), (Lines{"Office"}));
    view.confirmDelete = true;
    model.Delete();
    EXPECT_TRUE(ListAdjustmentDataNames(CRegistry(registry)).empty());
    EXPECT_TRUE(view.names.empty());
    EXPECT_EQ(view.events.back(), "focus-close");
    EXPECT_EQ(view.loopsAtQuestions, (std::vector<int>{1, 1})) << "each question a counted loop";
}

TEST_F(ColorPageModelTest, TheColourDialogHoldsOffTheRescanAndTheModeIsReadAfterIt) {
    shell.m_mainShown = 1; // the user works in the shown window
    model.Refresh();
    int busyDuring = -1;
    view.duringDialog = [&] {
        busyDuring = monitors.adjustmentBusy;
        desktop.system.bus.Monitor(0).Write(0xE1, 0x30); // the dialog switched the mode
        desktop.system.bus.Monitor(0).Write(0xE2, 2);
    };
    model.OpenColorDialog();
    EXPECT_EQ(busyDuring, 1);
    EXPECT_EQ(monitors.adjustmentBusy, 0);
    EXPECT_EQ(view.events, (Lines{"step-aside", "dialog", "come-back", "focus-color"}));
    EXPECT_EQ(view.loopsAtQuestions, (std::vector<int>{1}));
    EXPECT_EQ(view.selectedMode, 2) << "the list shows the mode the dialog left";

    // Another program's close hid the window while the dialog ran: it stays hidden, as the
    // program (and the watcher) take it to be.
    view.events.clear();
    view.duringDialog = [&] { shell.m_mainShown = 0; };
    model.OpenColorDialog();
    EXPECT_EQ(view.events, (Lines{"step-aside", "dialog", "focus-color"}));
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
