// The commands on simulated monitors: each does on the bus exactly what the page or dialog does
// when the user takes the same path, takes values in the units the value boxes show, and when it
// is refused or finds nothing to do, says so and changes nothing.
#include "sim/sim_clock.h"
#include "sim/testing/sim_machine.h"
#include "utility/command/command_runner.h"
#include "utility/eyecare/testing/ascii_codec.h"
#include "utility/eyecare/testing/fake_overlays.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/testing/plain_views.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/ui/testing/numbered_strings.h"
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

namespace {

using Args = std::vector<std::string>;

class SingleByte : public CodePage {
  public:
    bool IsLeadByte(unsigned char) const override { return false; }
};

std::string Description(const std::string& file) {
    std::ifstream in(std::string(DIMORA_SIM_MONITORS "/") + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A machine with the monitors of a shipped description (lines in `extra` replace registers of
// its last monitor), the monitor list built as at start-up, and everything a command works with.
struct Desk {
    explicit Desk(const std::string& file, const std::string& extra = "")
        : sim(Description(file) + extra) {
        RebuildMonitorList(sim.ctrl, monitors);
        for (const char* known : {"amber.png", "paper.bmp"})
            overlays.pictures[folder + known] = {64, 64};
        overlays.pictures["C:\\mine\\one.bmp"] = {32, 32};
        filter.CreateOverlayWindows();
        sim.Take();
    }
    CommandAnswer Run(const Args& args) { return RunCommand(args, context); }
    SimMonitor& Monitor(int i) { return sim.system.bus.Monitor(i); }
    // Every register of monitor `i`, and the store commands it received.
    std::map<std::string, std::uint32_t> Registers(int i) {
        std::map<std::string, std::uint32_t> values;
        SimMonitor& m = Monitor(i);
        for (const auto& [code, reg] : m.Config().vcp)
            values["vcp " + std::to_string(code)] = *m.Value(0, code);
        for (const auto& [key, reg] : m.Config().vendor)
            values["vendor " + std::to_string(key.first) + " " + std::to_string(key.second)] =
                *m.Value(key.first, key.second);
        values["owner"] = m.Owner();
        values["stores"] = static_cast<std::uint32_t>(m.StoreCommands().size());
        return values;
    }

    SimMachine sim;
    CMonitorStatusAll monitors;
    CurrentMonitor current{sim.ctrl, monitors};
    MemoryRegistry registry;
    NumberedStrings strings;
    SingleByte codePage;
    ShellState shell;
    const std::string folder = std::string(EYECARE_TESTDATA_DIR) + "/mixed/";
    SimTrace gammaTrace;
    SimClock gammaClock{gammaTrace};
    FakeGammaPort gammaPort;
    GammaList gammaList;
    FakeOverlayPort overlays;
    FilterSettings applied;
    ScreenFilter filter{monitors, applied, overlays, gammaPort, gammaClock, gammaList};
    const CXMLHandler xml{MakeTestXmlDocument};
    const FilterTextCodec codec = AsciiCodec();
    VSFilterSources sources{xml, codec, folder, strings};
    FilterTarget target{sources, applied, filter, true};
    CommandContext context{sim.ctrl, monitors, registry, strings, codePage, shell, target};
};

TEST(CommandRunner, ModeIsSwitchedAsThePageSwitchesIt) {
    Desk command("typical.txt");
    const CommandAnswer answer = command.Run({"/mode", "MOVIE"});
    EXPECT_EQ(answer.status, kCommandDone);
    EXPECT_EQ(answer.text, "1: mode 2 (Movie)\n");
    EXPECT_TRUE(answer.monitorChanged);
    EXPECT_EQ(command.Monitor(0).Value(0x30, 0xE2), 2u);

    // The user's way: the page shows the monitor, then Movie is picked from its list.
    Desk user("typical.txt");
    PlainColorView view;
    CMonitorColor snapshot;
    ColorPageModel page(view, user.current, user.monitors, user.registry, user.strings,
                        user.codePage, snapshot);
    page.Refresh();
    page.ModeChanged(2);
    EXPECT_EQ(command.sim.Take(), user.sim.Take());
}

TEST(CommandRunner, SettingIsMovedAsTheDialogMovesIt) {
    Desk command("typical.txt");
    EXPECT_EQ(command.Run({"/set", "brightness", "70"}).text, "1: brightness 70 (raw:70 of 100)\n");

    // The user's way: the dialog opened, the slider moved to 70, OK.
    Desk user("typical.txt");
    PlainSubView view;
    CMonitorColor snapshot;
    ShellState shell;
    ColorSubModel dialog(view, user.current, snapshot, user.monitors, shell);
    user.monitors.adjustmentBusy = 1;
    dialog.Initialise(nullptr);
    dialog.Open();
    dialog.SliderMoved(ColorSlider::Brightness, 70);
    dialog.Ok();
    dialog.Close();
    EXPECT_EQ(command.sim.Take(), user.sim.Take());
    EXPECT_EQ(command.Monitor(0).StoreCommands(), std::vector<std::uint32_t>{kStoreColor});
    EXPECT_EQ(command.monitors.adjustmentBusy, 0);
}

TEST(CommandRunner, ValuesAreTakenAndShownInTheUnitsOfTheValueBoxes) {
    const struct {
        std::string extra;
        Args args;
        VendorKey reg;
        std::uint32_t value;
        std::string text;
    } cases[] = {
        {"vcp 10 150 200\n",
         {"/get", "brightness"},
         {0, 0x10},
         150,
         "1: brightness 75 (raw:150 of 200)\n"},
        {"vcp 10 150 200\n",
         {"/set", "Brightness", "64%"},
         {0, 0x10},
         128,
         "1: brightness 64 (raw:128 of 200)\n"},
        {"", {"/set", "temperature", "6500k"}, {0x30, 0xE3}, 6, "1: temperature 6500K (raw:6)\n"},
        {"", {"/set", "temperature", "native"}, {0x30, 0xE3}, 0, "1: temperature Native (raw:0)\n"},
        {"", {"/set", "gamma", "2.60"}, {0x30, 0xE4}, 6, "1: gamma 2.6 (raw:6)\n"},
        {"", {"/set", "gamma", "raw:8"}, {0x30, 0xE4}, 8, "1: gamma 3.0 (raw:8)\n"},
        {"",
         {"/get", "red"},
         {0, 0x16},
         128,
         "1: red 50 (raw:128 of 255); mode 0 (Text) does not let it change\n"},
        {"vendor 30 e2 3 36\n",
         {"/set", "red", "raw:200"},
         {0, 0x16},
         200,
         "1: red 78 (raw:200 of 255)\n"},
        {"", {"/get", "volume"}, {0, 0x62}, 20, "1: volume 20 (raw:20 of 100)\n"},
        {"", {"/set", "volume", "35"}, {0, 0x62}, 35, "1: volume 35 (raw:35 of 100)\n"},
    };
    for (const auto& c : cases) {
        Desk desk("typical.txt", c.extra);
        const CommandAnswer answer = desk.Run(c.args);
        EXPECT_EQ(answer.status, kCommandDone) << c.text;
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(desk.Monitor(0).Value(c.reg.first, c.reg.second), c.value) << c.text;
        // A change is stored as the page stores it: colour 0, sound 10.
        const std::vector<std::uint32_t> stores =
            c.args[0] == "/get"
                ? std::vector<std::uint32_t>{}
                : std::vector<std::uint32_t>{c.reg.second == 0x62 ? kStoreSound : kStoreColor};
        EXPECT_EQ(desk.Monitor(0).StoreCommands(), stores) << c.text;
    }
}

TEST(CommandRunner, WhatIsRefusedOrNotOfferedChangesNothing) {
    enum class Before { Nothing, OtherOwner, Unplugged, DialogOpen, FilterDialogOpen };
    const struct {
        std::string extra;
        Before before;
        Args args;
        int status;
        std::string text;
    } cases[] = {
        {"",
         Before::Nothing,
         {"/mode", "5"},
         kCommandNotOffered,
         "1: mode 5 (External) is not offered; the monitor offers 0 (Text), 1 (Picture), "
         "2 (Movie), 3 (Custom), 4 (sRGB), 17 (Game), 31 (EyeCare)\n"},
        {"",
         Before::Nothing,
         {"/mode", "1", "/monitor", "2-1"},
         kCommandNotOffered,
         "no monitor is labelled 2-1 (monitors: 1)\n"},
        {"",
         Before::Nothing,
         {"/restore", "Office"},
         kCommandNotOffered,
         "1: no adjustment data is called \"Office\"\n"},
        {"",
         Before::Nothing,
         {"/filter", "9"},
         kCommandNotOffered,
         "filter: there is no default picture 9 (there are 4)\n"},
        {"",
         Before::Nothing,
         {"/filter", "3"},
         kCommandNotOffered,
         "filter: the picture 3 cannot be read\n"},
        {"vendor 20 e2 0 1\n",
         Before::Nothing,
         {"/set", "brightness", "60"},
         kCommandRefused,
         "1: the monitor does not permit adjustment now\n"},
        {"process 9029 OTHERTOOL.EXE\n",
         Before::OtherOwner,
         {"/mode", "1"},
         kCommandRefused,
         "1: another program is working on the monitor\n"},
        {"",
         Before::Nothing,
         {"/set", "brightness", "101"},
         kCommandRefused,
         "1: brightness 101 is not offered; the monitor offers 0 to 100\n"},
        {"",
         Before::Nothing,
         {"/set", "temperature", "15000K"},
         kCommandRefused,
         "1: temperature 15000K is not offered; the monitor offers Native to 8500K\n"},
        {"",
         Before::Nothing,
         {"/set", "red", "50"},
         kCommandRefused,
         "1: mode 0 (Text) does not let the red change\n"},
        {"",
         Before::Nothing,
         {"/set", "volume", "101"},
         kCommandRefused,
         "1: volume 101 is not offered; the monitor offers 0 to 100\n"},
        {"",
         Before::DialogOpen,
         {"/get", "brightness"},
         kCommandRefused,
         "the Color Adjustment dialog is open: close it first\n"},
        {"",
         Before::FilterDialogOpen,
         {"/filter", "off"},
         kCommandRefused,
         "the EyeCare Filter dialog is open: close it first\n"},
        {"",
         Before::Unplugged,
         {"/set", "contrast", "40"},
         kCommandNoAnswer,
         "1: the monitor did not answer\n"},
        {"",
         Before::Nothing,
         {"/frobnicate"},
         kCommandUsage,
         "DimoraDdcci: unknown command frobnicate\n(DimoraDdcci.exe /help lists the commands)\n"},
    };
    for (const auto& c : cases) {
        Desk desk("typical.txt", c.extra);
        if (c.before == Before::OtherOwner)
            desk.sim.system.bus.SetVcpFeature(SimBus::HandleOf(0), 0xE0, 9029);
        desk.Monitor(0).SetPlugged(c.before != Before::Unplugged);
        desk.monitors.adjustmentBusy = c.before == Before::DialogOpen;
        desk.shell.m_filterDialogOpen = c.before == Before::FilterDialogOpen;
        const auto registers = desk.Registers(0);
        const CommandAnswer answer = desk.Run(c.args);
        EXPECT_EQ(answer.status, c.status) << c.text;
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(desk.Registers(0), registers) << c.text;
        EXPECT_FALSE(answer.monitorChanged) << c.text;
        // No filter was stored or applied.
        std::uint32_t on = 7;
        EXPECT_FALSE(CRegistry(desk.registry).ReadDword("On", on, kVSFilterKey.data())) << c.text;
        EXPECT_EQ(desk.applied.on, 0) << c.text;
    }
}

TEST(CommandRunner, DataIsRestoredAsThePageRestoresItOnMonitorsOfItsModel) {
    // "Evening" taken from 1-1 (brightness 50), which has been turned up since.
    auto prepare = [](Desk& desk) {
        desk.monitors.SelectByIndex(0);
        desk.sim.ctrl.TakeOwnership(desk.current.Status().Handle(), Retry::Yes);
        const AdjustmentRecord taken =
            CaptureAdjustmentRecord(desk.sim.ctrl, desk.current.Status());
        desk.sim.ctrl.ReleaseOwnership(desk.current.Status().Handle());
        WriteAdjustmentRecord(CRegistry(desk.registry), "Evening", taken);
        desk.sim.system.bus.SetVcpFeature(SimBus::HandleOf(0), 0x10, 90);
        desk.sim.Take();
    };
    Desk command("dual.txt");
    prepare(command);
    CommandAnswer answer = command.Run({"/restore", "Evening", "/monitor", "1-1"});
    EXPECT_EQ(answer.text, "1-1: restored \"Evening\", mode 0 (Text)\n");
    EXPECT_EQ(command.Monitor(0).Value(0, 0x10), 50u);

    Desk user("dual.txt");
    prepare(user);
    PlainColorView view;
    CMonitorColor snapshot;
    ColorPageModel page(view, user.current, user.monitors, user.registry, user.strings,
                        user.codePage, snapshot);
    page.Refresh();
    view.box = {"Evening", 0};
    page.DataNameSelected(0);
    page.Restore();
    EXPECT_EQ(command.sim.Take(), user.sim.Take());

    // The other monitor is of another model: it is left alone.
    command.sim.system.bus.SetVcpFeature(SimBus::HandleOf(0), 0x10, 90);
    answer = command.Run({"/restore", "Evening", "/monitor", "all"});
    EXPECT_EQ(answer.status, kCommandRefused);
    EXPECT_EQ(answer.text, "1-1: restored \"Evening\", mode 0 (Text)\n"
                           "1-2: \"Evening\" is data of a EX-2451W, not of this monitor's model\n");
    EXPECT_EQ(command.Monitor(1).StoreCommands(), std::vector<std::uint32_t>{});
}

TEST(CommandRunner, ListShowsEveryMonitorAndAllMeansEach) {
    Desk desk("dual.txt");
    CommandAnswer answer = desk.Run({"/list"});
    EXPECT_EQ(answer.status, kCommandDone);
    EXPECT_EQ(answer.text, "1-1 model=EX-2451W serial=51000001 mode=0 (Text) current\n"
                           "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");
    answer = desk.Run({"/mode", "picture", "/monitor", "all"});
    EXPECT_EQ(answer.text, "1-1: mode 1 (Picture)\n1-2: mode 1 (Picture)\n");
    EXPECT_EQ(desk.Monitor(0).Value(0x30, 0xE2), 1u);
    EXPECT_EQ(desk.Monitor(1).Value(0x30, 0xE2), 1u);
    EXPECT_EQ(desk.monitors.currentIndex, 0) << "the current monitor stays current";
    EXPECT_EQ(desk.Run({"/mode", "2", "/monitor", "1-2"}).text, "1-2: mode 2 (Movie)\n");
    EXPECT_EQ(desk.Monitor(0).Value(0x30, 0xE2), 1u);
}

TEST(CommandRunner, FilterIsChosenAdjustedAndStoredAsTheDialogDoes) {
    Desk desk("dual.txt");
    CommandAnswer answer = desk.Run({"/filter", "1", "/transmittance", "40", "/luminance", "30"});
    EXPECT_EQ(answer.status, kCommandDone);
    EXPECT_EQ(answer.text, "filter: picture 1 (" + desk.folder +
                               "amber.png), transmittance 40%, luminance 30\n");
    for (const auto& overlay : desk.overlays.Live()) {
        EXPECT_TRUE(overlay->shown);
        EXPECT_EQ(overlay->alpha, 102);
    }
    FilterSettings stored;
    LoadFilterSettings(CRegistry(desk.registry), stored);
    EXPECT_EQ(std::tie(stored.on, stored.fileType, stored.alpha, stored.luminance),
              std::tie(desk.applied.on, desk.applied.fileType, desk.applied.alpha,
                       desk.applied.luminance));
    EXPECT_EQ(desk.applied.alpha, 102);

    // A file of the user's starts as the dialog starts one; without a running utility the
    // filter is only stored.
    desk.target.shown = false;
    answer = desk.Run({"/filter", "C:\\mine\\one.bmp"});
    EXPECT_EQ(answer.text, "filter: file (C:\\mine\\one.bmp), transmittance 25%, luminance 0 "
                           "(stored: the utility shows it when it starts)\n");
    EXPECT_EQ(desk.Run({"/filter", "off"}).text, "filter: off\n");
    for (const auto& overlay : desk.overlays.Live())
        EXPECT_FALSE(overlay->shown);
}

} // namespace
