// The EyeCare reminder on simulated monitors: the stored values as read, the balloon at the
// stored monitor only, the screen saver holding the interval, the cases without a balloon, and
// what saving the EyeCare dialog starts.
#include "sim/testing/sim_desktop.h"
#include "utility/eyecare/reminder_cycle.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/ui/testing/fake_timers.h"
#include "utility/ui/testing/numbered_strings.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kHourMs = 3'600'000;

class Fakes : public BalloonPort, public ScreenSaverPort {
  public:
    void ShowBalloon(const BalloonText& b) override { shown.push_back(b.title + ":" + b.text); }
    void HideBalloon() override { ++hidden; }
    bool ScreenSaverRunning() override { return screenSaver; }

    std::vector<std::string> shown;
    int hidden = 0;
    bool screenSaver = false;
};

// A reminder on the monitors of one description of sim/monitors/.
struct Machine {
    explicit Machine(const char* file) : desktop(file) {
        RebuildMonitorList(desktop.ctrl, monitors);
    }

    // The reminder of monitor `index` as the dialog saves it.
    void Store(int index, int hours, bool on = true) {
        const CMonitorStatus& monitor = *monitors.monitors.at(static_cast<std::size_t>(index));
        Text("Model Name", monitor.modelName, kEyeCareKey.data());
        Text("Serial Num", monitor.serialNumber, kEyeCareKey.data());
        const std::uint8_t onByte = on ? 1 : 0, hour = static_cast<std::uint8_t>(hours);
        settings.WriteBinary("On", &onByte, 1, kReminderKey.data());
        settings.WriteBinary("Hour", &hour, 1, kReminderKey.data());
        Text("Message", "Rest", kReminderKey.data());
    }
    void Text(const char* name, const std::string& text, const char* key) {
        settings.WriteString(name, text.c_str(), static_cast<std::uint32_t>(text.size() + 1), key);
    }

    SimDesktop desktop;
    CMonitorStatusAll monitors;
    FakeTimers timers;
    MemoryRegistry registry;
    CRegistry settings{registry};
    ShellState shell;
    NumberedStrings strings;
    Fakes fakes;
    ReminderCycle cycle{
        ReminderDeps{timers, registry, desktop.ctrl, monitors, shell, strings, fakes, fakes}};
};

TEST(ReminderSettings, StoredValuesAreReadWithTheirRules) {
    enum Type { Binary, Dword, Text };
    struct Value {
        const char* name;
        Type type;
        std::string bytes;
    };
    struct Case {
        const char* what;
        std::vector<Value> values;
        bool on;
        int hours;
        std::string message;
    };
    const std::string m255(255, 'm');
    const std::vector<Case> cases = {
        {"nothing stored", {}, false, 1, "s232"},
        {"as saved",
         {{"On", Binary, "\x01"}, {"Hour", Binary, "\x05"}, {"Message", Text, "Tea"}},
         true,
         5,
         "Tea"},
        {"hour 30, off",
         {{"On", Binary, std::string(1, '\0')}, {"Hour", Binary, "\x1e"}},
         false,
         24,
         "s232"},
        {"4-byte 256 and 300",
         {{"On", Dword, std::string("\x00\x01", 2)}, {"Hour", Dword, "\x2c\x01"}},
         true,
         24,
         "s232"},
        {"empty values", {{"On", Binary, ""}, {"Hour", Binary, ""}}, false, 1, "s232"},
        {"256 bytes, no zero", {{"Message", Binary, m255 + "x"}}, false, 1, m255},
        {"257 bytes", {{"Message", Binary, m255 + "xy"}}, false, 1, "s232"},
    };
    const NumberedStrings strings;
    for (const Case& c : cases) {
        MemoryRegistry store;
        CRegistry writer(store);
        for (const Value& v : c.values) {
            const auto size = static_cast<std::uint32_t>(v.bytes.size());
            std::uint32_t number = 0;
            v.bytes.copy(reinterpret_cast<char*>(&number), sizeof number);
            if (v.type == Text)
                writer.WriteString(v.name, v.bytes.c_str(), size + 1, kReminderKey.data());
            else if (v.type == Dword)
                writer.WriteDword(v.name, number, kReminderKey.data());
            else
                writer.WriteBinary(v.name, v.bytes.data(), size, kReminderKey.data());
        }
        const ReminderSettings read = ReadReminderSettings(writer, strings);
        EXPECT_EQ(read.on, c.on) << c.what;
        EXPECT_EQ(read.hours, c.hours) << c.what;
        EXPECT_EQ(read.message, c.message) << c.what;
    }
}

TEST(Reminder, EachIntervalShowsTheBalloonAtTheStoredMonitorOnly) {
    Machine m("dual.txt");
    m.Store(1, 2);
    m.cycle.Start();
    EXPECT_EQ(m.timers.running[TIMER_REMINDER], 2 * kHourMs);
    EXPECT_EQ(m.timers.running[TIMER_SCREENSAVER_WATCH], 1000u);
    m.desktop.system.trace.Clear();
    for (int interval = 0; interval < 2; ++interval) {
        m.cycle.OnReminderTimer();
        EXPECT_EQ(m.timers.running[TIMER_BALLOON_HIDE], 10'000u);
        m.cycle.OnBalloonTimer();
    }
    EXPECT_EQ(m.fakes.shown, (std::vector<std::string>{"s231:Rest", "s231:Rest"}));
    EXPECT_EQ(m.fakes.hidden, 2);
    EXPECT_FALSE(m.timers.Runs(TIMER_BALLOON_HIDE));
    EXPECT_TRUE(m.timers.Runs(TIMER_REMINDER)) << "the interval keeps running";
    ASSERT_FALSE(m.desktop.system.trace.Events().empty());
    for (const SimEvent& event : m.desktop.system.trace.Events())
        EXPECT_NE(event.monitor, 0) << "only the stored monitor is claimed";
    EXPECT_EQ(m.desktop.system.bus.Monitor(1).Owner(), 0u) << "and released";

    // The stored monitor is not attached: nothing starts, nothing shows.
    m.Text("Serial Num", "99999999", kEyeCareKey.data());
    m.timers.running.clear();
    m.cycle.Start();
    m.cycle.OnReminderTimer();
    EXPECT_TRUE(m.timers.running.empty());
    EXPECT_EQ(m.fakes.shown.size(), 2u);
}

TEST(Reminder, AScreenSaverHoldsTheIntervalWhichStartsInFullAfterIt) {
    Machine m("dual.txt");
    m.Store(0, 2);
    m.cycle.Start();
    m.fakes.screenSaver = true;
    m.cycle.OnScreenSaverWatch();
    m.cycle.OnScreenSaverWatch();
    EXPECT_TRUE(m.cycle.Paused());
    EXPECT_FALSE(m.timers.Runs(TIMER_REMINDER));
    m.fakes.screenSaver = false;
    m.cycle.OnScreenSaverWatch();
    EXPECT_FALSE(m.cycle.Paused());
    EXPECT_EQ(m.timers.running[TIMER_REMINDER], 2 * kHourMs);
    EXPECT_EQ(m.timers.starts[TIMER_REMINDER], 2) << "started afresh, once";
}

TEST(Reminder, NoBalloonWhileTheDialogRunsOrWhenTheMonitorCannotBeClaimedOrAdjusted) {
    struct Case {
        const char* file;
        bool dialogOpen;
        bool ownerUnanswered;
        const char* what;
    };
    const Case cases[] = {
        {"typical.txt", true, false, "EyeCare dialog open"},
        {"typical.txt", false, true, "owner register does not answer"},
        {"odd.txt", false, false, "adjustment refused"},
    };
    for (const Case& c : cases) {
        Machine m(c.file);
        ASSERT_FALSE(m.monitors.monitors.empty()) << c.what;
        m.Store(0, 1);
        m.cycle.Start();
        m.shell.m_eyeCareOpen = c.dialogOpen ? 1 : 0;
        if (c.ownerUnanswered)
            m.desktop.system.bus.Monitor(0).InjectFault({SimFault::Kind::Read, 0, 0xE0, 1000});
        const std::uint32_t owner = m.desktop.system.bus.Monitor(0).Owner();
        m.desktop.system.trace.Clear();
        m.cycle.OnReminderTimer();
        EXPECT_TRUE(m.fakes.shown.empty()) << c.what;
        EXPECT_FALSE(m.timers.Runs(TIMER_BALLOON_HIDE)) << c.what;
        EXPECT_EQ(m.desktop.system.trace.Transactions() == 0, c.dialogOpen) << c.what;
        EXPECT_EQ(m.desktop.system.bus.Monitor(0).Owner(), owner) << c.what;
    }
}

TEST(Reminder, AMonitorAttachedAfterStartUpStartsTheReminder) {
    Machine m("dual.txt");
    m.Store(1, 3);
    m.desktop.system.bus.Monitor(1).SetPlugged(false);
    RebuildMonitorList(m.desktop.ctrl, m.monitors);
    m.cycle.Start();
    EXPECT_TRUE(m.timers.running.empty()) << "its monitor is absent";
    m.desktop.system.bus.Monitor(1).SetPlugged(true);
    RebuildMonitorList(m.desktop.ctrl, m.monitors);
    m.cycle.MonitorsRescanned();
    EXPECT_EQ(m.timers.running[TIMER_REMINDER], 3 * kHourMs);
    EXPECT_TRUE(m.timers.Runs(TIMER_SCREENSAVER_WATCH));
}

TEST(Reminder, SavingTheDialogStartsWhatDoesNotRun) {
    Machine m("dual.txt");
    // On at start-up, but for a monitor not attached: nothing ran. The dialog then chose one.
    m.Store(0, 3);
    m.Text("Serial Num", "99999999", kEyeCareKey.data());
    m.cycle.Start();
    m.Store(1, 3);
    m.cycle.ApplyReminderSettings();
    EXPECT_EQ(m.timers.running[TIMER_REMINDER], 3 * kHourMs);
    EXPECT_TRUE(m.timers.Runs(TIMER_SCREENSAVER_WATCH)) << "the changed monitor starts the watch";

    // Held by the screen saver when saved unchanged: the interval runs again, not paused.
    m.fakes.screenSaver = true;
    m.cycle.OnScreenSaverWatch();
    m.cycle.ApplyReminderSettings();
    EXPECT_TRUE(m.timers.Runs(TIMER_REMINDER));
    EXPECT_FALSE(m.cycle.Paused());

    m.Store(1, 5);
    m.cycle.ApplyReminderSettings();
    EXPECT_EQ(m.timers.running[TIMER_REMINDER], 5 * kHourMs) << "new hours, new period";
    m.Store(1, 5, false);
    m.cycle.ApplyReminderSettings();
    EXPECT_TRUE(m.timers.running.empty()) << "off: both stop";
}

} // namespace
