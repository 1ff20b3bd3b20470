// The commands on simulated monitors: each does on the bus exactly what the page or dialog does
// when the user takes the same path, takes values in the units the value boxes show, and when it
// is refused or finds nothing to do, says so and changes nothing.
#include "utility/command/command_views.h"
#include "utility/command/testing/command_desk.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/testing/plain_views.h"
#include "utility/settings/settings_keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

// "Evening" taken from the first monitor (brightness 50), which has been turned up since.
void StoreEvening(Desk& desk) {
    desk.sim.ctrl.TakeOwnership(desk.current.Status().Handle(), Retry::Yes);
    const AdjustmentRecord taken = CaptureAdjustmentRecord(desk.sim.ctrl, desk.current.Status());
    desk.sim.ctrl.ReleaseOwnership(desk.current.Status().Handle());
    WriteAdjustmentRecord(CRegistry(desk.registry), "Evening", taken);
    desk.sim.system.bus.SetVcpFeature(SimBus::HandleOf(0), 0x10, 90);
    desk.sim.Take();
}

TEST(CommandRunner, EachCommandTakesThePagesOwnPath) {
    using UserPath = std::function<void(Desk&)>;
    // The colour page shown, then `act` on it.
    auto onColourPage = [](std::function<void(ColorPageModel&, PlainColorView&)> act) {
        return [act](Desk& d) {
            PlainColorView view;
            CMonitorColor snapshot;
            ColorPageModel page(view, d.current, d.monitors, d.registry, d.strings, d.codePage,
                                snapshot, d.shell);
            page.Refresh();
            act(page, view);
        };
    };
    const UserPath pickMovie = onColourPage([](ColorPageModel& page, PlainColorView&) {
        page.ModeChanged(2); // the third mode of the list
    });
    const UserPath restoreEvening = onColourPage([](ColorPageModel& page, PlainColorView& view) {
        view.box = {"Evening", 0};
        page.DataNameSelected(0);
        page.Restore();
    });
    const UserPath brightness70 = [](Desk& d) {
        PlainSubView view;
        CMonitorColor snapshot;
        ShellState shell;
        ColorSubModel dialog(view, d.current, snapshot, d.monitors, shell);
        d.monitors.adjustmentBusy = 1;
        dialog.Initialise(nullptr);
        dialog.Open();
        dialog.SliderMoved(ColorSlider::Brightness, 70);
        dialog.Ok();
        dialog.Close();
    };
    const UserPath volume35 = [](Desk& d) {
        command::SoundPageWindow view;
        SoundPageModel page(view, d.current, d.monitors, d.strings);
        page.Refresh();
        page.VolumeMoved(35);
        page.PageHidden();
    };
    const struct {
        std::string line;
        std::string text;
        UserPath user;
    } cases[] = {
        {"/mode MOVIE", "1: mode 2 (Movie)\n", pickMovie},
        {"/restore Evening", "1: restored \"Evening\", mode 0 (Text)\n", restoreEvening},
        {"/set brightness 70", "1: brightness 70 (raw:70 of 100)\n", brightness70},
        {"/set volume 35", "1: volume 35 (raw:35 of 100)\n", volume35},
    };
    for (const auto& c : cases) {
        Desk command("typical.txt"), user("typical.txt");
        StoreEvening(command);
        StoreEvening(user);
        const CommandAnswer answer = command.Run(Words(c.line));
        EXPECT_EQ(answer.status, kCommandDone) << c.line;
        EXPECT_EQ(answer.text, c.text);
        EXPECT_TRUE(answer.monitorChanged) << c.line;
        c.user(user);
        EXPECT_EQ(command.sim.Take(), user.sim.Take()) << c.line;
        EXPECT_EQ(command.monitors.adjustmentBusy, 0) << c.line;
    }
}

TEST(CommandRunner, ValuesAreTakenAndShownInTheUnitsOfTheValueBoxes) {
    const std::string brightness200 = "vcp 10 150 200\n";
    const struct {
        std::string extra;
        std::string line;
        std::uint16_t page;
        std::uint8_t code;
        std::uint32_t value;
        std::string text;
    } cases[] = {
        {brightness200, "/get brightness", 0, 0x10, 150, "brightness 75 (raw:150 of 200)"},
        {brightness200, "/set Brightness 64%", 0, 0x10, 128, "brightness 64 (raw:128 of 200)"},
        {"", "/set temperature 6500k", 0x30, 0xE3, 6, "temperature 6500K (raw:6)"},
        {"", "/set temperature native", 0x30, 0xE3, 0, "temperature Native (raw:0)"},
        {"", "/set gamma 2.60", 0x30, 0xE4, 6, "gamma 2.6 (raw:6)"},
        {"", "/set gamma raw:8", 0x30, 0xE4, 8, "gamma 3.0 (raw:8)"},
        {"", "/get red", 0, 0x16, 128,
         "red 50 (raw:128 of 255); mode 0 (Text) does not let it change"},
        {"vendor 30 e2 3 36\n", "/set red raw:200", 0, 0x16, 200, "red 78 (raw:200 of 255)"},
        {"", "/get volume", 0, 0x62, 20, "volume 20 (raw:20 of 100)"},
        // A step from the number shown, held to the range; between shown numbers the next one
        // in the step's direction.
        {brightness200, "/set brightness +10", 0, 0x10, 170, "brightness 85 (raw:170 of 200)"},
        {brightness200, "/set brightness -80", 0, 0x10, 0, "brightness 0 (raw:0 of 200)"},
        {"vcp 10 20 50\n", "/set brightness +5", 0, 0x10, 23, "brightness 46 (raw:23 of 50)"},
        {"vcp 10 20 50\n", "/set brightness -5", 0, 0x10, 17, "brightness 34 (raw:17 of 50)"},
        {"", "/set volume +90", 0, 0x62, 100, "volume 100 (raw:100 of 100)"},
        {"", "/set volume -5", 0, 0x62, 15, "volume 15 (raw:15 of 100)"},
    };
    for (const auto& c : cases) {
        Desk desk("typical.txt", c.extra);
        const CommandAnswer answer = desk.Run(Words(c.line));
        EXPECT_EQ(answer.status, kCommandDone) << c.line;
        EXPECT_EQ(answer.text, "1: " + c.text + "\n");
        EXPECT_EQ(desk.Monitor(0).Value(c.page, c.code), c.value) << c.line;
        // A change is stored as the dialog's OK stores it.
        const auto stores = c.line.rfind("/get", 0) == 0 ? std::vector<std::uint32_t>{}
                            : c.code == kSpeakerVolumeCode
                                ? std::vector<std::uint32_t>{kStoreSound}
                                : std::vector<std::uint32_t>{kStoreColor};
        EXPECT_EQ(desk.Monitor(0).StoreCommands(), stores) << c.line;
    }
}

TEST(CommandRunner, WhatIsRefusedOrNotOfferedChangesNothing) {
    enum class Before {
        Nothing,
        NotPermitted,
        OtherOwner,
        IgnoresMode,
        Unplugged,
        DialogOpen,
        FilterDialog,
        ModeWriteFails,
        RegistryRefuses,
        Evening, // "Evening" stored, which the monitor does not permit to restore
    };
    constexpr int kNotOffered = kCommandNotOffered, kRefused = kCommandRefused;
    const struct {
        Before before;
        std::string line;
        int status;
        std::string text;
    } cases[] = {
        {Before::Nothing, "/mode 5", kNotOffered,
         "1: mode 5 (External) is not offered; the monitor offers 0 (Text), 1 (Picture), "
         "2 (Movie), 3 (Custom), 4 (sRGB), 17 (Game), 31 (EyeCare)"},
        {Before::Nothing, "/mode 1 /monitor 2-1", kNotOffered,
         "no monitor is labelled 2-1 (monitors: 1)"},
        {Before::Nothing, "/restore Office", kNotOffered,
         "1: no adjustment data is called \"Office\""},
        {Before::Nothing, "/filter 9", kNotOffered,
         "filter: there is no default picture 9 (there are 4)"},
        {Before::Nothing, "/filter 3", kNotOffered, "filter: the picture 3 cannot be read"},
        {Before::NotPermitted, "/set brightness 60", kRefused,
         "1: the monitor does not permit adjustment now"},
        {Before::OtherOwner, "/mode 1", kRefused, "1: another program is working on the monitor"},
        {Before::IgnoresMode, "/mode 1", kRefused,
         "1: the monitor kept mode 0 (Text), not 1 (Picture)"},
        {Before::Nothing, "/set brightness 101", kRefused,
         "1: brightness 101 is out of range; the monitor offers 0 to 100"},
        {Before::Nothing, "/set temperature 15000K", kRefused,
         "1: temperature 15000K is out of range; the monitor offers Native to 8500K"},
        {Before::Nothing, "/set red 50", kRefused, "1: mode 0 (Text) does not let the red change"},
        {Before::Nothing, "/set volume 101", kRefused,
         "1: volume 101 is out of range; the monitor offers 0 to 100"},
        // The monitor answers but does not take it, or another program owns it: refused.
        {Before::ModeWriteFails, "/mode 1", kRefused,
         "1: the monitor kept mode 0 (Text), not 1 (Picture)"},
        {Before::OtherOwner, "/list", kRefused,
         "1 model=EX-2451W serial=41234567 mode=? current: another program is working on the "
         "monitor"},
        {Before::OtherOwner, "/set brightness 60", kRefused,
         "1: another program is working on the monitor"},
        {Before::Evening, "/restore Evening", kRefused,
         "1: the monitor does not permit adjustment now"},
        {Before::RegistryRefuses, "/filter 1", kRefused,
         "filter: the settings could not be stored"},
        {Before::Nothing, "/filter \\\\host\\share\\a.png", kRefused,
         "filter: network and device paths are not taken (\\\\host\\share\\a.png)"},
        {Before::Nothing, "/filter \\\\?\\C:\\a.png", kRefused,
         "filter: network and device paths are not taken (\\\\?\\C:\\a.png)"},
        {Before::Nothing, "/restore " + std::string(1025, 'x'), kCommandUsage,
         "DimoraDdcci: a word is longer than 1024 bytes\n(DimoraDdcci.exe /help lists the "
         "commands)"},
        {Before::DialogOpen, "/get brightness", kRefused,
         "the Color Adjustment dialog is open: close it first"},
        {Before::FilterDialog, "/filter off", kRefused,
         "the EyeCare Filter dialog is open: close it first"},
        {Before::Unplugged, "/set contrast 40", kCommandNoAnswer, "1: the monitor did not answer"},
        {Before::Nothing, "/frobnicate", kCommandUsage,
         "DimoraDdcci: unknown command frobnicate\n(DimoraDdcci.exe /help lists the commands)"},
    };
    for (const auto& c : cases) {
        const bool notPermitted = c.before == Before::NotPermitted || c.before == Before::Evening;
        Desk desk("typical.txt", notPermitted                     ? "vendor 20 e2 0 1\n"
                                 : c.before == Before::OtherOwner ? "process 9029 OTHERTOOL.EXE\n"
                                 : c.before == Before::ModeWriteFails ? "fault write 30 e2 20\n"
                                 : c.before == Before::IgnoresMode    ? "ignore write 30 e2 1\n"
                                                                      : "");
        if (c.before == Before::Evening)
            StoreEvening(desk);
        desk.registry.refuse = c.before == Before::RegistryRefuses;
        if (c.before == Before::OtherOwner)
            desk.sim.system.bus.SetVcpFeature(SimBus::HandleOf(0), 0xE0, 9029);
        desk.Monitor(0).SetPlugged(c.before != Before::Unplugged);
        desk.monitors.adjustmentBusy = c.before == Before::DialogOpen;
        desk.shell.m_filterDialogOpen = c.before == Before::FilterDialog;
        const auto registers = desk.Registers(0);
        const CommandAnswer answer = desk.Run(Words(c.line));
        EXPECT_EQ(answer.status, c.status) << c.line;
        EXPECT_EQ(answer.errors, c.text + "\n");
        EXPECT_EQ(answer.text, "") << c.line;
        EXPECT_EQ(desk.Registers(0), registers) << c.line;
        EXPECT_FALSE(answer.monitorChanged) << c.line;
        // No filter was stored or applied.
        std::uint32_t on = 7;
        EXPECT_FALSE(CRegistry(desk.registry).ReadDword("On", on, kVSFilterKey.data())) << c.line;
        // The running utility shows a filter the registry refused, as the dialog's OK does.
        EXPECT_EQ(desk.applied.on, c.before == Before::RegistryRefuses) << c.line;
    }
}

TEST(CommandRunner, ListShowsEveryMonitorAndAllMeansEachWhileTheCurrentOneStays) {
    Desk desk("dual.txt");
    EXPECT_EQ(desk.Run({"/list"}).text, "1-1 model=EX-2451W serial=51000001 mode=0 (Text) current\n"
                                        "1-2 model=EX-2780 serial=52000002 mode=2 (Movie)\n");
    EXPECT_EQ(desk.Run(Words("/mode picture /monitor all")).text,
              "1-1: mode 1 (Picture)\n1-2: mode 1 (Picture)\n");
    EXPECT_EQ(desk.Monitor(1).Value(0x30, 0xE2), 1u);
    EXPECT_EQ(desk.monitors.currentIndex, 0);
}

TEST(CommandRunner, FilterIsChosenAdjustedAndStoredAsTheDialogDoes) {
    Desk desk("dual.txt");
    EXPECT_EQ(desk.Run(Words("/filter 1 /transmittance 40 /luminance 30")).text,
              "filter: picture 1 (" + desk.folder +
                  "amber.png), transmittance 40%, luminance 30\n");
    FilterSettings stored;
    LoadFilterSettings(CRegistry(desk.registry), stored);
    EXPECT_EQ(std::tie(stored.on, stored.fileType, stored.alpha, stored.luminance),
              std::tie(desk.applied.on, desk.applied.fileType, desk.applied.alpha,
                       desk.applied.luminance));
    EXPECT_EQ(desk.overlays.Live()[1]->alpha, 102);
    // A file of the user's starts as the dialog starts one; without a running utility the
    // filter is only stored.
    desk.target.shown = false;
    EXPECT_EQ(desk.Run({"/filter", "C:\\mine\\one.bmp"}).text,
              "filter: file (C:\\mine\\one.bmp), transmittance 25%, luminance 0 "
              "(stored: the utility shows it when it starts)\n");
}

} // namespace
