// The EyeCare reminder on simulated monitors and a virtual clock: the stored values as read, the
// interval with its balloon at the stored monitor, the screen saver holding it, the cases without
// a balloon, and what saving the EyeCare dialog starts.
#include "sim/testing/sim_desktop.h"
#include "utility/eyecare/reminder_cycle.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/shell/testing/numbered_strings.h"
#include "utility/shell/user_messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kSecond = 1000;
constexpr std::uint64_t kHour = 3600 * kSecond;

// Timers on a virtual clock: Advance hands every expiry to the cycle in time order.
class VirtualTimers : public TimerPort {
  public:
    bool SetTimer(unsigned id, std::uint32_t periodMs) override {
        timers[id] = Timer{periodMs, now + periodMs};
        return true;
    }
    void KillTimer(unsigned id) override { timers.erase(id); }
    bool Runs(unsigned id) const { return timers.count(id) != 0; }

    template <typename Fire> void Advance(std::uint64_t ms, Fire fire) {
        const std::uint64_t end = now + ms;
        for (;;) {
            auto next = timers.end();
            for (auto it = timers.begin(); it != timers.end(); ++it) {
                if (it->second.due <= end &&
                    (next == timers.end() || it->second.due < next->second.due))
                    next = it;
            }
            if (next == timers.end())
                break;
            now = next->second.due;
            next->second.due += next->second.period;
            fire(next->first);
        }
        now = end;
    }

    struct Timer {
        std::uint64_t period;
        std::uint64_t due;
    };
    std::map<unsigned, Timer> timers;
    std::uint64_t now = 0;
};

class RecordingBalloon : public BalloonPort {
  public:
    explicit RecordingBalloon(const VirtualTimers& clock) : m_clock(clock) {}
    void ShowBalloon(const BalloonText& balloon) override {
        shownAt.push_back(m_clock.now);
        last = balloon;
        showing = true;
    }
    void HideBalloon() override {
        hiddenAt.push_back(m_clock.now);
        showing = false;
    }

    std::vector<std::uint64_t> shownAt;
    std::vector<std::uint64_t> hiddenAt;
    BalloonText last;
    bool showing = false;

  private:
    const VirtualTimers& m_clock;
};

class SwitchedScreenSaver : public ScreenSaverPort {
  public:
    bool ScreenSaverRunning() override { return running; }
    bool running = false;
};

// A reminder on the monitors of one description of sim/monitors/.
struct Machine {
    explicit Machine(const char* file) : desktop(file) {
        RebuildMonitorList(desktop.ctrl, monitors);
    }

    // The reminder of monitor `index` as the dialog saves it.
    void Store(int index, int hours, bool on = true, const std::string& message = "Rest") {
        const CMonitorStatus& monitor = *monitors.monitors.at(static_cast<std::size_t>(index));
        StoreText("Model Name", monitor.modelName, kEyeCareKey.data());
        StoreText("Serial Num", monitor.serialNumber, kEyeCareKey.data());
        const std::uint8_t onByte = on ? 1 : 0, hour = static_cast<std::uint8_t>(hours);
        settings.WriteBinary("On", &onByte, 1, kReminderKey.data());
        settings.WriteBinary("Hour", &hour, 1, kReminderKey.data());
        StoreText("Message", message, kReminderKey.data());
    }
    void StoreText(const char* name, const std::string& text, const char* key) {
        settings.WriteString(name, text.c_str(), static_cast<std::uint32_t>(text.size() + 1), key);
    }

    // The clock runs `ms` on, every expiry handed to the cycle as the main window does.
    void Advance(std::uint64_t ms) {
        timers.Advance(ms, [&](unsigned id) {
            if (id == TIMER_REMINDER)
                cycle.OnReminderTimer();
            else if (id == TIMER_BALLOON_HIDE)
                cycle.OnBalloonTimer();
            else if (id == TIMER_SCREENSAVER_WATCH)
                cycle.OnScreenSaverWatch();
        });
    }

    ReminderDeps Deps() {
        return ReminderDeps{timers, registry, desktop.ctrl, monitors,
                            shell,  strings,  balloon,      screenSaver};
    }

    SimDesktop desktop;
    CMonitorStatusAll monitors;
    VirtualTimers timers;
    MemoryRegistry registry;
    CRegistry settings{registry};
    ShellState shell;
    NumberedStrings strings;
    RecordingBalloon balloon{timers};
    SwitchedScreenSaver screenSaver;
    ReminderCycle cycle{Deps()};
};

struct StoredValue {
    const char* name;
    const char* key;
    enum { Binary, Dword, Text } type;
    std::string bytes;
};

TEST(ReminderSettings, StoredValuesAreReadWithTheirRules) {
    const NumberedStrings strings;
    const std::string long255(255, 'm');
    struct Case {
        const char* what;
        std::vector<StoredValue> values;
        bool on;
        int hours;
        std::string message;
    };
    const char* r = kReminderKey.data();
    const std::vector<Case> cases = {
        {"nothing stored", {}, false, 1, "s232"},
        {"as the dialog saves",
         {{"On", r, StoredValue::Binary, "\x01"},
          {"Hour", r, StoredValue::Binary, "\x05"},
          {"Message", r, StoredValue::Text, "Rest"}},
         true,
         5,
         "Rest"},
        {"hour 0 and 30",
         {{"On", r, StoredValue::Binary, std::string(1, '\0')},
          {"Hour", r, StoredValue::Binary, "\x1e"}},
         false,
         24,
         "s232"},
        {"numbers stored as 4 bytes",
         {{"On", r, StoredValue::Dword, std::string("\x00\x01\x00\x00", 4)},
          {"Hour", r, StoredValue::Dword, std::string("\x2c\x01\x00\x00", 4)}},
         true,
         24,
         "s232"},
        {"empty values",
         {{"On", r, StoredValue::Binary, ""}, {"Hour", r, StoredValue::Binary, ""}},
         false,
         1,
         "s232"},
        {"message of 256 bytes without a zero",
         {{"Message", r, StoredValue::Binary, long255 + "x"}},
         false,
         1,
         long255},
        {"message of 257 bytes",
         {{"Message", r, StoredValue::Binary, long255 + "xy"}},
         false,
         1,
         "s232"},
        {"message as binary", {{"Message", r, StoredValue::Binary, "Tea"}}, false, 1, "Tea"},
    };
    for (const Case& c : cases) {
        MemoryRegistry store;
        CRegistry writer(store);
        for (const StoredValue& v : c.values) {
            const auto size = static_cast<std::uint32_t>(v.bytes.size());
            if (v.type == StoredValue::Text)
                writer.WriteString(v.name, v.bytes.c_str(), size + 1, v.key);
            else if (v.type == StoredValue::Dword)
                writer.WriteDword(v.name, *reinterpret_cast<const std::uint32_t*>(v.bytes.data()),
                                  v.key);
            else
                writer.WriteBinary(v.name, v.bytes.data(), size, v.key);
        }
        const ReminderSettings read = ReadReminderSettings(writer, strings);
        EXPECT_EQ(read.on, c.on) << c.what;
        EXPECT_EQ(read.hours, c.hours) << c.what;
        EXPECT_EQ(read.message, c.message) << c.what;
    }
}

TEST(Reminder, FiresEveryIntervalAtTheStoredMonitorOnly) {
    Machine m("dual.txt");
    m.Store(1, 2);
    m.cycle.Start();
    EXPECT_EQ(m.timers.timers[TIMER_REMINDER].period, 2 * kHour);
    EXPECT_EQ(m.timers.timers[TIMER_SCREENSAVER_WATCH].period, kSecond);
    m.desktop.system.trace.Clear();
    m.Advance(6 * kHour + 20 * kSecond);
    const std::uint64_t shown[] = {2 * kHour, 4 * kHour, 6 * kHour};
    ASSERT_EQ(m.balloon.shownAt.size(), 3u);
    ASSERT_EQ(m.balloon.hiddenAt.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.balloon.shownAt[i], shown[i]) << i;
        EXPECT_EQ(m.balloon.hiddenAt[i], shown[i] + 10 * kSecond) << i;
    }
    EXPECT_FALSE(m.timers.Runs(TIMER_BALLOON_HIDE));
    EXPECT_EQ(m.balloon.last.text, "Rest");
    EXPECT_EQ(m.balloon.last.title, "s231");
    ASSERT_FALSE(m.desktop.system.trace.Events().empty());
    for (const SimEvent& event : m.desktop.system.trace.Events())
        EXPECT_TRUE(event.monitor == 1 || event.monitor == -1) << "monitor " << event.monitor;
    EXPECT_EQ(m.desktop.system.bus.Monitor(1).Owner(), 0u) << "released after each reminder";

    // A reminder whose monitor is not attached starts nothing and shows nothing.
    m.StoreText("Serial Num", "99999999", kEyeCareKey.data());
    ReminderCycle absent(m.Deps());
    m.timers.timers.clear();
    absent.Start();
    EXPECT_TRUE(m.timers.timers.empty());
    absent.OnReminderTimer();
    EXPECT_EQ(m.balloon.shownAt.size(), 3u);
}

TEST(Reminder, AScreenSaverHoldsTheIntervalWhichRestartsInFullAfterIt) {
    Machine m("dual.txt");
    m.Store(0, 2);
    m.cycle.Start();
    m.Advance(1 * kHour);
    m.screenSaver.running = true;
    m.Advance(3 * kHour);
    EXPECT_TRUE(m.balloon.shownAt.empty());
    EXPECT_TRUE(m.cycle.Paused());
    EXPECT_FALSE(m.timers.Runs(TIMER_REMINDER));
    m.screenSaver.running = false;
    const std::uint64_t ended = m.timers.now + kSecond; // the watch's next look
    m.Advance(2 * kHour + 5 * kSecond);
    EXPECT_FALSE(m.cycle.Paused());
    EXPECT_EQ(m.balloon.shownAt, (std::vector<std::uint64_t>{ended + 2 * kHour}));
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
        if (c.ownerUnanswered)
            m.desktop.system.bus.Monitor(0).InjectFault({SimFault::Kind::Read, 0, 0xE0, 1000});
        m.shell.m_eyeCareOpen = c.dialogOpen ? 1 : 0;
        const std::uint32_t owner = m.desktop.system.bus.Monitor(0).Owner();
        m.desktop.system.trace.Clear();
        m.cycle.OnReminderTimer();
        EXPECT_TRUE(m.balloon.shownAt.empty()) << c.what;
        EXPECT_FALSE(m.timers.Runs(TIMER_BALLOON_HIDE)) << c.what;
        EXPECT_EQ(m.desktop.system.trace.Transactions() == 0, c.dialogOpen) << c.what;
        EXPECT_EQ(m.desktop.system.bus.Monitor(0).Owner(), owner) << c.what;
    }
}

TEST(Reminder, SavingTheDialogStartsWhatDoesNotRun) {
    Machine m("dual.txt");
    // On at start-up, but for a monitor that is not attached: nothing ran.
    m.Store(0, 3);
    m.StoreText("Serial Num", "99999999", kEyeCareKey.data());
    m.cycle.Start();
    EXPECT_TRUE(m.timers.timers.empty());
    m.Store(1, 3); // the dialog chose an attached monitor
    m.cycle.ApplyReminderSettings();
    EXPECT_EQ(m.timers.timers[TIMER_REMINDER].period, 3 * kHour);
    EXPECT_TRUE(m.timers.Runs(TIMER_SCREENSAVER_WATCH)) << "a changed monitor starts the watch";

    // Held by the screen saver when saved unchanged: the interval runs again, not paused.
    m.screenSaver.running = true;
    m.Advance(kSecond);
    ASSERT_TRUE(m.cycle.Paused());
    m.cycle.ApplyReminderSettings();
    EXPECT_TRUE(m.timers.Runs(TIMER_REMINDER));
    EXPECT_FALSE(m.cycle.Paused());
    m.screenSaver.running = false;

    // New hours restart the interval with the new period.
    m.Advance(kHour);
    m.Store(1, 5);
    m.cycle.ApplyReminderSettings();
    EXPECT_EQ(m.timers.timers[TIMER_REMINDER].due, m.timers.now + 5 * kHour);

    // Off: both stop.
    m.Store(1, 5, false);
    m.cycle.ApplyReminderSettings();
    EXPECT_TRUE(m.timers.timers.empty());
    EXPECT_FALSE(m.cycle.IntervalRuns());
    EXPECT_FALSE(m.cycle.WatchRuns());
}

} // namespace
