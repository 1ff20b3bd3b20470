// Every user action that talks to a monitor, run again and again with one fault injected at each
// of its transactions in turn: the transaction refused, the monitor vanishing from it on, or
// another program taking the monitor's owner register just before it. After each run the
// program must still hold together: the ownership flag down, no pause beyond the retry bounds,
// the registry as before (a registered record is there whole or not at all), and a slider or
// mode list the user moved showing what the monitor holds.
#include "sim/sim_system.h"
#include "utility/eyecare/reminder_cycle.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/auto_apply.h"
#include "utility/pages/color_page_model.h"
#include "utility/pages/color_sub_model.h"
#include "utility/pages/sound_page_model.h"
#include "utility/pages/testing/fake_windows.h"
#include "utility/pages/testing/plain_views.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"
#include "utility/ui/testing/fake_timers.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kOtherProgram = 0x2222;

enum class Fault { None, Refuse, Vanish, OwnerTaken };

// A vendor code as the monitor received it: with the page its page register held.
using PagedCode = std::pair<std::uint16_t, std::uint8_t>;

// The simulated bus with one fault armed at the transaction numbered `at` (from 0). It also
// notes every vendor code that reached a monitor, with the page the monitor had selected, and
// every one that reached another page than the program last asked for: the picture mode and the
// adjustment permission are both code 0xE2, so a mode read on page 0x20 is a pair the fault-free
// run has too (the permission), and only the page asked for tells the two apart.
class FaultyBus : public DdcPort {
  public:
    explicit FaultyBus(SimSystem& system) : m_system(system) {}

    void Arm(Fault fault, int at) {
        m_fault = fault;
        m_at = at;
        m_count = 0;
        m_asked.clear();
        for (std::size_t i = 0; i < m_system.bus.Count(); ++i)
            m_asked.push_back(m_system.bus.Monitor(static_cast<int>(i)).Page());
    }
    int Count() const { return m_count; }
    const std::set<PagedCode>& VendorCodes() const { return m_vendorCodes; }
    // "code e2 meant for page 30 reached page 20", one line per such transaction.
    const std::vector<std::string>& Misplaced() const { return m_misplaced; }

    bool GetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t& current,
                       std::uint32_t& maximum) override {
        if (!Pass())
            return false;
        Note(handle, code);
        return m_system.bus.GetVcpFeature(handle, code, current, maximum);
    }
    bool SetVcpFeature(PhysicalHandle handle, std::uint8_t code, std::uint32_t value) override {
        // The page the program means from now on, whether or not the monitor takes it.
        const int monitor = m_system.bus.IndexOf(handle);
        if (code == 0xE1 && monitor >= 0 && static_cast<std::size_t>(monitor) < m_asked.size())
            m_asked[static_cast<std::size_t>(monitor)] = static_cast<std::uint16_t>(value);
        if (!Pass())
            return false;
        Note(handle, code);
        return m_system.bus.SetVcpFeature(handle, code, value);
    }
    bool GetCapabilitiesStringLength(PhysicalHandle handle, std::uint32_t& length) override {
        return Pass() && m_system.bus.GetCapabilitiesStringLength(handle, length);
    }
    bool CapabilitiesRequestAndReply(PhysicalHandle handle, char* buffer,
                                     std::uint32_t length) override {
        return Pass() && m_system.bus.CapabilitiesRequestAndReply(handle, buffer, length);
    }

  private:
    // Codes 0xE2 and up are the page's; 0xE0 and 0xE1 are the owner and page registers.
    void Note(PhysicalHandle handle, std::uint8_t code) {
        const int monitor = m_system.bus.IndexOf(handle);
        if (code < 0xE2 || monitor < 0)
            return;
        const std::uint16_t page = m_system.bus.Monitor(monitor).Page();
        m_vendorCodes.insert({page, code});
        const auto index = static_cast<std::size_t>(monitor);
        if (index < m_asked.size() && m_asked[index] != page) {
            std::ostringstream line;
            line << std::hex << "code " << int{code} << " meant for page " << m_asked[index]
                 << " reached page " << page;
            m_misplaced.push_back(line.str());
        }
    }

    bool Pass() {
        const int n = m_count++;
        switch (m_fault) {
        case Fault::Refuse:
            return n != m_at;
        case Fault::Vanish:
            return n < m_at;
        case Fault::OwnerTaken:
            if (n == m_at) {
                for (std::size_t i = 0; i < m_system.bus.Count(); ++i)
                    m_system.bus.Monitor(static_cast<int>(i)).Write(0xE0, kOtherProgram);
            }
            return true;
        case Fault::None:
            break;
        }
        return true;
    }

    SimSystem& m_system;
    Fault m_fault = Fault::None;
    int m_at = -1;
    int m_count = 0;
    std::set<PagedCode> m_vendorCodes;
    std::vector<std::uint16_t> m_asked; // per monitor, the page last written to its register
    std::vector<std::string> m_misplaced;
};

class PlainSoundView : public SoundPageView {
  public:
    void SetMonitorList(const std::vector<std::string>&, int) override {}
    void SetVolumeRange(int) override {}
    void SetVolumePosition(int p) override { position = p; }
    void SetVolumeText(const std::string&) override {}
    void EnableControls(const SoundPageControls&) override {}
    void SelectMonitor(int) override {}

    int position = -1;
};

class NoBalloon : public BalloonPort, public ScreenSaverPort {
  public:
    void ShowBalloon(const BalloonText&) override {}
    void HideBalloon() override {}
    bool ScreenSaverRunning() override { return false; }
};

// The program's monitor-facing parts over typical.txt, every transaction through the faulty bus.
struct Program {
    Program() {
        std::string error;
        EXPECT_TRUE(LoadSimDescriptionFile(DIMORA_SIM_MONITORS "/typical.txt", system, error));
        system.processes.others.push_back({kOtherProgram, "Other.exe"});
        CRegistry settings(registry);
        settings.WriteString("Model Name", "EX-2451W", 9, kEyeCareKey.data());
        settings.WriteString("Serial Num", "41234567", 9, kEyeCareKey.data());
        const std::uint8_t on = 1;
        settings.WriteBinary("On", &on, 1, kReminderKey.data());
    }

    SimSystem system;
    FaultyBus bus{system};
    DeviceCtrl ctrl{MonitorPorts{bus, system.clock, system.processes, system.display,
                                 system.display, system.codePage}};
    CMonitorStatusAll monitors;
    CurrentMonitor current{ctrl, monitors};
    MemoryRegistry registry;
    NumberedStrings strings;
    CMonitorColor snapshot;
    SingleByteCodePage codePage;
    ShellState shell;
    PlainColorView colorView;
    ColorPageModel colorPage{colorView, current,  monitors, registry,
                             strings,   codePage, snapshot, shell};
    PlainSubView subView;
    ColorSubModel colorDialog{subView, current, snapshot, monitors, shell};
    PlainSoundView soundView;
    SoundPageModel soundPage{soundView, current, monitors, strings};
    FakeWindows windows;
    AutoApplier applier{ctrl, monitors, windows};
    FakeTimers timers;
    NoBalloon balloon;
    ReminderCycle reminder{
        ReminderDeps{timers, registry, ctrl, monitors, shell, strings, balloon, balloon}};

    // A move of the user's (a slider, or a pick in the mode list): the register it writes, and
    // the control before and after the move.
    struct Move {
        std::uint16_t page = 0;
        std::uint8_t code = 0;
        std::optional<std::uint32_t> registerBefore;
        int from = 0;
        int to = 0;
    } move;

    void StartMove(std::uint16_t page, std::uint8_t code, int from, int to) {
        move = {page, code, system.bus.Monitor(0).Value(page, code), from, to};
    }
    // Where the control must stand now: where it was if the monitor kept its value, where the
    // user put it if the monitor took the new one.
    int ExpectedPosition() {
        const bool kept = system.bus.Monitor(0).Value(move.page, move.code) == move.registerBefore;
        return kept ? move.from : move.to;
    }
};

struct Action {
    std::string name;
    std::function<void(Program&)> setUp;          // fault-free
    std::function<void(Program&)> run;            // the user's action, with the fault armed
    std::function<int(Program&)> shown = nullptr; // a moved control's position afterwards
};

void Build(Program& p) {
    RebuildMonitorList(p.ctrl, p.monitors);
}
void ColourPage(Program& p) {
    Build(p);
    p.colorPage.Refresh();
}
void ColourDialog(Program& p) {
    ColourPage(p);
    p.colorDialog.Initialise(nullptr);
    p.colorDialog.Open();
}
void Registered(Program& p) {
    ColourPage(p);
    p.colorView.box = {"Office", -1};
    p.colorPage.Register();
    p.system.bus.Monitor(0).Write(0x10, 80);
    p.colorPage.DataNameSelected(0);
}
void SoundPage(Program& p) {
    Build(p);
    p.soundPage.Refresh();
}

std::vector<Action> Actions() {
    std::vector<Action> actions = {
        {"start-up", [](Program&) {}, Build},
        {"rescan", Build, Build},
        {"mode change", ColourPage,
         [](Program& p) {
             p.StartMove(kColorPage, kModeCode, p.colorView.modeIndex, 1);
             p.colorView.modeIndex = 1; // the user's pick
             p.colorPage.ModeChanged(1);
         },
         [](Program& p) { return p.colorView.modeIndex; }},
        {"colour dialog open and Cancel", ColourPage,
         [](Program& p) {
             p.colorDialog.Initialise(nullptr);
             p.colorDialog.Open();
             p.colorDialog.SliderMoved(ColorSlider::Brightness, 70);
             p.colorDialog.Cancel();
         }},
        {"register",
         [](Program& p) {
             ColourPage(p);
             p.colorView.box = {"Office", -1};
             // The key exists already, so that only the record can differ afterwards.
             const CRegistry settings(p.registry);
             settings.WriteDword("Other", 0, kColorKey.data());
         },
         [](Program& p) { p.colorPage.Register(); }},
        {"restore", Registered, [](Program& p) { p.colorPage.Restore(); }},
        {"volume", SoundPage,
         [](Program& p) {
             p.StartMove(0, kSpeakerVolumeCode, p.soundView.position, 40);
             p.soundView.position = 40;
             p.soundPage.VolumeMoved(40);
         },
         [](Program& p) { return p.soundView.position; }},
        {"sound reset", SoundPage, [](Program& p) { p.soundPage.SoundReset(); }},
        {"watcher's mode", Build,
         [](Program& p) { p.applier.ApplyMode(2, FakeWindows::Handle(1), true); }},
        {"watcher's data", Build,
         [](Program& p) {
             AdjustmentRecord record;
             record.modelName = "EX-2451W";
             record.mode = 1;
             record.brightness = {30, 100, 1};
             p.applier.ApplyRecordToModel(record, FakeWindows::Handle(1), false);
         }},
        {"reminder's ownership check",
         [](Program& p) {
             Build(p);
             p.reminder.Start();
         },
         [](Program& p) { p.reminder.OnReminderTimer(); }},
    };
    struct Slider {
        const char* name;
        ColorSlider slider;
        std::uint16_t page; // the register it writes
        std::uint8_t code;
    };
    const Slider sliders[] = {
        {"temperature", ColorSlider::Temperature, kColorPage, kTemperatureCode},
        {"brightness", ColorSlider::Brightness, 0, kBrightnessCode},
        {"contrast", ColorSlider::Contrast, 0, kContrastCode},
        {"gamma", ColorSlider::Gamma, kColorPage, kGammaCode},
        {"red", ColorSlider::Red, 0, kRedCode},
        {"green", ColorSlider::Green, 0, kGreenCode},
        {"blue", ColorSlider::Blue, 0, kBlueCode}};
    for (const Slider& s : sliders) {
        const auto i = static_cast<std::size_t>(s.slider);
        actions.push_back({std::string("slider ") + s.name, ColourDialog,
                           [s, i](Program& p) {
                               const int to = p.subView.OtherEnd(s.slider);
                               p.StartMove(s.page, s.code, p.subView.sliders[i].position, to);
                               p.subView.sliders[i].position = to; // the user's drag
                               p.colorDialog.SliderMoved(s.slider, to);
                           },
                           [i](Program& p) { return p.subView.sliders[i].position; }});
    }
    return actions;
}

// The longest any fault may add: one retry loop run to its end (the capabilities read, 50
// attempts 200 ms apart, is the longest), and a little bus time. A vanished monitor is given up
// after that loop, so it costs no more.
constexpr std::uint64_t kRetryBoundMs = 50 * 200 + 1000;

TEST(FaultMatrix, EveryActionSurvivesAFaultAtEachOfItsTransactions) {
    const Fault faults[] = {Fault::Refuse, Fault::Vanish, Fault::OwnerTaken};
    const char* faultNames[] = {"refused", "vanished", "owner taken"};
    int runs = 0;
    for (const Action& action : Actions()) {
        int transactions = 0;
        std::uint64_t cleanMs = 0;
        std::set<PagedCode> cleanCodes;
        {
            Program clean;
            action.setUp(clean);
            ASSERT_EQ(clean.monitors.monitors.size(), action.name == "start-up" ? 0u : 1u);
            clean.bus.Arm(Fault::None, -1);
            const std::uint64_t start = clean.system.clock.Now();
            action.run(clean);
            transactions = clean.bus.Count();
            cleanMs = clean.system.clock.Now() - start;
            cleanCodes = clean.bus.VendorCodes();
            EXPECT_EQ(clean.bus.Misplaced(), std::vector<std::string>{}) << action.name;
            EXPECT_FALSE(clean.ctrl.HasOwnership()) << action.name;
            EXPECT_GT(transactions, 0) << action.name;
        }
        for (std::size_t f = 0; f < std::size(faults); ++f) {
            for (int at = 0; at < transactions; ++at) {
                SCOPED_TRACE(action.name + ", " + faultNames[f] + " at transaction " +
                             std::to_string(at));
                Program p;
                action.setUp(p);
                const std::string before = DumpRegistry(p.registry, kRootKey);
                p.bus.Arm(faults[f], at);
                const std::uint64_t start = p.system.clock.Now();
                action.run(p);
                ++runs;
                const std::uint64_t tookMs = p.system.clock.Now() - start;
                EXPECT_FALSE(p.ctrl.HasOwnership());
                EXPECT_LE(tookMs, cleanMs + kRetryBoundMs);
                // After a failure the page register may hold another page: a code meant for
                // one page must never reach the monitor on another.
                for (const auto& [page, code] : p.bus.VendorCodes()) {
                    EXPECT_TRUE(cleanCodes.count({page, code}))
                        << "code " << std::hex << int{code} << " reached page " << page;
                }
                EXPECT_EQ(p.bus.Misplaced(), std::vector<std::string>{});
                if (action.shown) {
                    EXPECT_EQ(action.shown(p), p.ExpectedPosition())
                        << "the control shows what the monitor holds";
                }
                if (action.name == "register") {
                    std::uint8_t record[kAdjustmentRecordSize + 1];
                    const CRegistry settings(p.registry);
                    const bool some =
                        settings.ReadValue("Office", record, sizeof record, kColorKey.data());
                    EXPECT_EQ(some, settings.ReadValue("Office", record, kAdjustmentRecordSize,
                                                       kColorKey.data()));
                    EXPECT_FALSE(settings.ReadValue("Office", record, kAdjustmentRecordSize - 1,
                                                    kColorKey.data()))
                        << "a record is whole or absent";
                    settings.DeleteValue("Office", kColorKey.data());
                }
                EXPECT_EQ(DumpRegistry(p.registry, kRootKey), before) << "no other registry change";
            }
        }
    }
    std::cout << "fault matrix: " << Actions().size() << " actions, " << runs << " runs\n";
}

} // namespace
