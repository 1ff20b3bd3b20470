// The EyeCare dialog's model on simulated monitors and the in-memory registry: what it shows when
// it opens, what saving stores or deletes (read back with the reminder's own rules), the hours
// box's rules, and the byte-limited edit's cut.
#include "sim/testing/sim_desktop.h"
#include "utility/eyecare/byte_limit.h"
#include "utility/eyecare/eyecare_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

class RecordingEyeCareView : public EyeCareView {
  public:
    void SetMonitorList(const std::vector<std::string>& l, int s) override {
        lines = l;
        selected = s;
    }
    void SetPopupCheck(bool c) override { checked = c; }
    void SetHoursText(const std::string& text) override { hours = text; }
    void EnableReminderControls(bool e) override { enabled = e; }
    void ShowWarning(const std::string& text) override {
        warnings.push_back(text);
        warningLoops = shell ? shell->m_modalLoops : -1;
    }
    bool RunEditMessage(std::string& message) override {
        shownMessage = message;
        if (!edited)
            return false;
        message = *edited;
        return true;
    }

    std::vector<std::string> lines;
    int selected = -2;
    bool checked = false;
    std::string hours;
    bool enabled = true;
    std::string shownMessage;
    std::vector<std::string> warnings;
    int warningLoops = -1;             // the program's modal loops while the last warning showed
    std::optional<std::string> edited; // the Edit Message dialog's OK with this text
    const ShellState* shell = nullptr;
};

class EyeCareModelTest : public testing::Test {
  protected:
    EyeCareModelTest() {
        RebuildMonitorList(desktop.ctrl, monitors);
        view.shell = &shell;
    }

    // A reminder stored for dual.txt's monitor `index` (0: EX-2451W, 1: EX-2780).
    void Store(int index, std::uint8_t hours, const std::string& message) {
        const CMonitorStatus& monitor = *monitors.monitors.at(static_cast<std::size_t>(index));
        Text("Model Name", monitor.modelName, kEyeCareKey.data());
        Text("Serial Num", monitor.serialNumber, kEyeCareKey.data());
        const std::uint8_t on = 1;
        settings.WriteBinary("On", &on, 1, kReminderKey.data());
        settings.WriteBinary("Hour", &hours, 1, kReminderKey.data());
        Text("Message", message, kReminderKey.data());
    }
    void Text(const char* name, const std::string& text, const char* key) {
        settings.WriteString(name, text.c_str(), static_cast<std::uint32_t>(text.size() + 1), key);
    }
    ReminderSettings Stored() const { return ReadReminderSettings(settings, strings); }
    void Open() { model.Open(&shell, "\\\\.\\DISPLAY1"); }

    SimDesktop desktop{"dual.txt"};
    CMonitorStatusAll monitors;
    MemoryRegistry registry;
    CRegistry settings{registry};
    ShellState shell;
    NumberedStrings strings;
    RecordingEyeCareView view;
    EyeCareModel model{view, registry, monitors, shell, strings};
};

TEST_F(EyeCareModelTest, OpensOnTheStoredMonitorWhichSavingStoresAgainUntouched) {
    Store(1, 30, "Tea");
    Open();
    EXPECT_EQ(shell.m_hwndEyeCare, &shell);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"s1161-1 (EX-2451W)", "s1161-2 (EX-2780)"}));
    EXPECT_EQ(view.selected, 1);
    EXPECT_TRUE(view.checked);
    EXPECT_TRUE(view.enabled);
    EXPECT_EQ(view.hours, "24") << "30 stored reads as 24";
    EXPECT_EQ(model.Choice().serial, "52000002") << "the selected line is the choice at once";

    model.Save("24");
    const ReminderSettings stored = Stored();
    EXPECT_EQ(stored.model, "EX-2780");
    EXPECT_EQ(stored.serial, "52000002");
    EXPECT_EQ(stored.displayName, "\\\\.\\DISPLAY1");
    EXPECT_TRUE(stored.on);
    EXPECT_EQ(stored.hours, 24);
    EXPECT_EQ(stored.message, "Tea");
    shell.m_eyeCareOpen = 1;
    model.Close();
    EXPECT_EQ(shell.m_hwndEyeCare, nullptr);
    EXPECT_EQ(shell.m_eyeCareOpen, 0);
}

TEST_F(EyeCareModelTest, AnotherMonitorReplacesTheStoredReminderWithTheEditedMessage) {
    Store(0, 5, "Old");
    const std::uint8_t stray = 7;
    settings.WriteBinary("Stray", &stray, 1, kReminderKey.data());
    Open();
    EXPECT_EQ(view.selected, 0);
    model.MonitorSelected(1);
    view.edited = "Stretch your legs";
    model.EditMessage();
    EXPECT_EQ(view.shownMessage, "Old");
    model.HoursLeft("");
    EXPECT_EQ(view.hours, "1");
    model.Save("3");
    const ReminderSettings stored = Stored();
    EXPECT_EQ(stored.serial, "52000002");
    EXPECT_EQ(stored.hours, 3);
    EXPECT_EQ(stored.message, "Stretch your legs");
    std::uint8_t value = 0;
    EXPECT_FALSE(settings.ReadValue("Stray", &value, 1, kReminderKey.data()))
        << "the old monitor's reminder key went first";
}

TEST_F(EyeCareModelTest, WithoutAListedStoredMonitorTheDialogsOwnDisplayIsOffered) {
    Store(0, 9, "Old");
    Text("Serial Num", "99999999", kEyeCareKey.data()); // a monitor not attached now
    Open();
    EXPECT_EQ(view.selected, 0) << "the first line on \\\\.\\DISPLAY1";
    EXPECT_FALSE(view.checked);
    EXPECT_FALSE(view.enabled);
    EXPECT_EQ(view.hours, "1");
    EXPECT_EQ(model.Message(), "s232");
    model.Save("1");
    EXPECT_EQ(Stored().serial, "99999999") << "unchecked, and nothing found: nothing written";

    model.PopupClicked(true);
    EXPECT_TRUE(view.enabled);
    view.edited.reset();
    model.EditMessage(); // cancelled
    model.Save("2");
    EXPECT_EQ(Stored().serial, "51000001");
    EXPECT_EQ(Stored().message, "s232");
}

TEST_F(EyeCareModelTest, AMonitorWithoutAModelNameIsNotStoredAndTheUserHearsWhy) {
    monitors.monitors[0]->modelName.clear();
    Open();
    model.PopupClicked(true);
    view.edited = "Tea";
    model.EditMessage();
    EXPECT_FALSE(model.Save("2")) << "the dialog stays open";
    EXPECT_EQ(view.warnings, (std::vector<std::string>{"s262"}));
    EXPECT_EQ(view.warningLoops, 1) << "the warning is a counted loop";
    EXPECT_EQ(Stored().serial, "") << "nothing written";
    // The user's edits are still there for another monitor.
    model.MonitorSelected(1);
    EXPECT_TRUE(model.Save("2"));
    EXPECT_EQ(Stored().serial, "52000002");
    EXPECT_EQ(Stored().message, "Tea");
}

TEST_F(EyeCareModelTest, UncheckingDeletesTheStoredReminderAndItsMonitor) {
    Store(1, 2, "Tea");
    Open();
    model.PopupClicked(false);
    EXPECT_FALSE(view.enabled);
    model.Save("2");
    char name[kRegistryNameCapacity] = {};
    EXPECT_FALSE(settings.EnumSubKey(0, kRootKey, name, sizeof name)) << name;
}

TEST(EyeCareHours, TypingAndLeavingRules) {
    const std::pair<const char*, const char*> typing[] = {
        {"30", "24"}, {"-3", "0"}, {"24", nullptr}, {"", nullptr}, {"-", nullptr}, {"7", nullptr}};
    for (const auto& [text, expected] : typing) {
        const auto replaced = HoursWhileTyping(text);
        EXPECT_EQ(replaced.has_value(), expected != nullptr) << text;
        if (replaced && expected) {
            EXPECT_EQ(*replaced, expected) << text;
        }
    }
    const std::pair<const char*, const char*> leaving[] = {
        {"", "1"}, {"0", "1"}, {"-5", "1"}, {"30", "24"}, {"07", "7"}, {"x", "1"}, {"12", "12"}};
    for (const auto& [text, expected] : leaving)
        EXPECT_EQ(HoursOnLeaving(text), expected) << text;
}

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC.
class ShiftJis : public CodePage {
  public:
    bool IsLeadByte(unsigned char b) const override {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};

TEST(ByteLimit, CutsAfterWholeCharactersCountedFromTheStart) {
    const ShiftJis sjis;
    const std::string ji = "\x8E\x9A"; // its trail byte is also a lead byte value
    const std::string a253(253, 'a');
    EXPECT_EQ(CutToByteLimit(a253 + ji + "b", 255, sjis), a253 + ji) << "the character stays whole";
    EXPECT_EQ(CutToByteLimit("a" + a253 + ji, 255, sjis), "a" + a253) << "no half character";
    EXPECT_EQ(CutToByteLimit(std::string(300, 'x'), 255, sjis), std::string(255, 'x'));
    EXPECT_EQ(CutToByteLimit(a253 + ji, 255, sjis), std::nullopt) << "fits";
    EXPECT_EQ(ByteEditLimit(0), 1024u);
    EXPECT_EQ(ByteEditLimit(2000), 1024u);
    EXPECT_EQ(ByteEditLimit(255), 255u);
}

} // namespace
