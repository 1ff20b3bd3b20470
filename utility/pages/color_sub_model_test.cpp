// The colour adjustment dialog on a simulated monitor: what each slider offers and shows, which
// sliders the mode allows, slider moves with their bus traffic, Cancel's write-back, Reset, OK
// and the refusal, and the temperature picture.
#include "sim/testing/sim_machine.h"
#include "utility/monitor/monitor_list.h"
#include "utility/pages/color_sub_model.h"
#include "utility/res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A maker monitor in mode 0 whose mode allows every slider (tag 18 sets its flags to 0x804F):
// temperatures 0-15 (15 the top value), user colour off, gamma 2-6, the four-value group in use.
// Lines appended to it replace registers and slots.
const std::string kMonitor =
    "monitor m\n"
    "caps (prot(monitor)type(lcd)vcp(08 10 12 16 18 1A E0 E1)mswhql(1)mccs_ver(2.2))\n"
    "vcp 08 0 1\nvcp 10 50 100\nvcp 12 60 100\n"
    "vcp 16 128 255\nvcp 18 128 255\nvcp 1a 128 255\n"
    "vendor 20 e2 1 1\nvendor 20 e6 0 1\n"
    "vendor 30 e2 0 36\nvendor 30 e3 6 24\nvendor 30 e4 4 8\nvendor 30 e5 0 1\n"
    "vendor e0 e3 0 2\nvendor e0 e4 11 255\nvendor e0 e5 12 255\nvendor e0 e6 13 255\n"
    "vendor e0 e7 14 255\nvendor e0 e8 0 1\nvendor f0 e3 0 10\n"
    "slot 0 text 10(e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed)20(e2 e6)"
    "30(e2 e3(00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f) e4 e5)e0(e3 e4 e5 e6 e7 e8)f0(e3)\n"
    "slot 1 hex 040110 05084100000000000000 0604ffff0000 0e047c000000 0b020900 12024f80 ff\n"
    "slot 2 text S1\nslot 3 text M1\n";

struct SliderView {
    SliderState state;
    int pageSize = -1;
    std::string text;
    bool enabled = true;
    std::uint32_t icon = 0;
};

class RecordingView : public ColorSubView {
  public:
    void SetSliderRange(ColorSlider s, int minimum, int maximum) override {
        At(s).state.minimum = minimum;
        At(s).state.maximum = maximum;
    }
    void SetSliderPosition(ColorSlider s, int position) override {
        At(s).state.position = position;
    }
    void SetSliderPageSize(ColorSlider s, int size) override { At(s).pageSize = size; }
    void SetValueText(ColorSlider s, const std::string& text) override { At(s).text = text; }
    void EnableSlider(ColorSlider s, bool enabled, std::uint32_t icon) override {
        At(s).enabled = enabled;
        if (icon)
            At(s).icon = icon;
    }
    void EnableButtons(bool enabled) override { buttons = enabled; }
    void FocusOk() override {}
    // Painting asks the model for the picture, as the dialog's paint does.
    void RepaintPicture() override { picture = model->TemperaturePicture(false); }
    void BeginWait() override { ++waiting; }
    void EndWait() override { --waiting; }
    void Finish(int result) override { results.push_back(result); }

    SliderView& At(ColorSlider s) { return sliders[static_cast<std::size_t>(s)]; }

    ColorSubModel* model = nullptr;
    SliderView sliders[kColorSliderCount];
    bool buttons = true;
    std::uint32_t picture = 0;
    int waiting = 0;
    std::vector<int> results;
};

// The dialog's model over the first monitor of a simulated machine.
struct Dialog {
    explicit Dialog(const std::string& extra) : sim(kMonitor + extra) {
        RebuildMonitorList(sim.ctrl, monitors);
        monitors.adjustmentBusy = 1;
        view.model = &model;
        sim.Take();
    }
    void Open() {
        model.Initialise(&sim);
        model.Open();
    }
    std::uint32_t Register(std::uint16_t page, std::uint8_t code) {
        return sim.Monitor().Value(page, code).value_or(9999);
    }

    SimMachine sim;
    CMonitorStatusAll monitors;
    CurrentMonitor current{sim.ctrl, monitors};
    CMonitorColor snapshot;
    ShellState shell;
    RecordingView view;
    ColorSubModel model{view, current, snapshot, monitors, shell};
};

constexpr auto kTemperature = ColorSlider::Temperature;
constexpr auto kBrightness = ColorSlider::Brightness;
constexpr auto kContrast = ColorSlider::Contrast;
constexpr auto kGamma = ColorSlider::Gamma;
constexpr auto kRed = ColorSlider::Red;

TEST(ColorSubModel, OpeningShowsEachSliderAsTheMonitorReports) {
    struct Case {
        const char* what;
        std::string extra;
        ColorSlider slider;
        SliderState state;
        std::string text;
    };
    const std::string unreadableUserColor = "fault read 30 e5 99\n";
    const Case cases[] = {
        {"user colour off: the top value is not offered", "", kTemperature, {0, 14, 6}, "6500K"},
        {"user colour on: the top value is offered",
         "vendor 30 e5 1 1\n",
         kTemperature,
         {0, 15, 6},
         "6500K"},
        {"user colour on, top value",
         "vendor 30 e5 1 1\nvendor 30 e3 15 24\n",
         kTemperature,
         {0, 15, 15},
         "User"},
        {"user colour on, value 0",
         "vendor 30 e5 1 1\nvendor 30 e3 0 24\n",
         kTemperature,
         {0, 15, 0},
         "Native"},
        {"user colour unreadable, value 0",
         unreadableUserColor + "vendor 30 e3 0 24\n",
         kTemperature,
         {0, 15, 0},
         "OFF"},
        {"user colour unreadable, top value",
         unreadableUserColor + "vendor 30 e3 15 24\n",
         kTemperature,
         {0, 15, 15},
         "OFF"},
        {"a value beyond the names",
         unreadableUserColor + "vendor 30 e3 30 40\n",
         kTemperature,
         {0, 15, 15},
         ""},
        {"no temperature in the mask",
         "slot 1 hex 0b020900 12024f80 ff\n",
         kTemperature,
         {0, 0, 0},
         "6500K"},
        {"gamma mask 2-6", "", kGamma, {2, 6, 4}, "2.2"},
        {"gamma 255: no gamma value", "vendor 30 e4 255 255\n", kGamma, {0, 8, 0}, ""},
        {"brightness of 200", "vcp 10 150 200\n", kBrightness, {0, 200, 150}, "75"},
        {"brightness maximum 0", "vcp 10 0 0\n", kBrightness, {0, 0, 0}, ""},
        {"contrast", "", kContrast, {0, 100, 60}, "60"},
    };
    for (const Case& c : cases) {
        Dialog dialog(c.extra);
        dialog.Open();
        const SliderView& shown = dialog.view.At(c.slider);
        EXPECT_EQ(shown.state, c.state) << c.what;
        EXPECT_EQ(shown.text, c.text) << c.what;
    }
    Dialog dialog("");
    dialog.Open();
    const int pageSizes[kColorSliderCount] = {1, 40, 20, 1, 51, 51, 51};
    for (std::size_t i = 0; i < kColorSliderCount; ++i)
        EXPECT_EQ(dialog.view.sliders[i].pageSize, pageSizes[i]) << "slider " << i;
    EXPECT_TRUE(dialog.view.buttons);
    EXPECT_EQ(dialog.view.waiting, 0);
    EXPECT_EQ(dialog.shell.m_hwndColorAdjust, &dialog.sim);
    EXPECT_EQ(dialog.Register(0xE0, 0xE3), 1u) << "the monitor hears that the dialog works on it";
    EXPECT_EQ(dialog.sim.Monitor().Owner(), 0u);
}

TEST(ColorSubModel, TheModeDecidesWhichSlidersAreUsable) {
    struct Case {
        const char* what;
        std::string extra;
        bool enabled[kColorSliderCount]; // temperature, brightness, contrast, gamma, r, g, b
    };
    const Case cases[] = {
        {"mode 0 allows all", "", {true, true, true, true, true, true, true}},
        {"sRGB: brightness only",
         "vendor 30 e2 4 36\n",
         {false, true, false, false, false, false, false}},
        {"a mode beyond the table: none", "vendor 30 e2 40 63\n", {}},
        {"an unreadable feature stays off",
         "fault read 0 10 99\n",
         {true, false, true, true, true, true, true}},
    };
    const std::uint32_t iconsOn[] = {
        0, IDB_BRIGHTNESS, IDB_CONTRAST, IDB_GAMMA, IDB_GAIN_RED, IDB_GAIN_GREEN, IDB_GAIN_BLUE};
    const std::uint32_t iconsOff[] = {0,
                                      IDB_BRIGHTNESS_OFF,
                                      IDB_CONTRAST_OFF,
                                      IDB_GAMMA_OFF,
                                      IDB_GAIN_OFF,
                                      IDB_GAIN_OFF,
                                      IDB_GAIN_OFF};
    for (const Case& c : cases) {
        Dialog dialog(c.extra);
        dialog.Open();
        for (std::size_t i = 0; i < kColorSliderCount; ++i) {
            EXPECT_EQ(dialog.view.sliders[i].enabled, c.enabled[i]) << c.what << ", slider " << i;
            EXPECT_EQ(dialog.view.sliders[i].icon, c.enabled[i] ? iconsOn[i] : iconsOff[i])
                << c.what << ", slider " << i;
        }
    }
}

TEST(ColorSubModel, SliderMovesAreWrittenAtOnceAndFailedOnesGoBack) {
    // Temperatures 0, 1, 6 and 12: position 2 stands for value 6.
    Dialog dialog("slot 1 hex 0604 43100000 0e047c000000 12024f80 ff\nvendor 30 e3 1 24\n");
    dialog.Open();
    ASSERT_EQ(dialog.model.Slider(kTemperature), (SliderState{0, 2, 1}));
    dialog.sim.Take();
    dialog.model.SliderMoved(kTemperature, 2);
    EXPECT_EQ(dialog.sim.Take(),
              (Lines{"get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
                     "get e0 ok cur=1f40 max=ffff", "sleep 20", "set e1=30 ok", "sleep 20",
                     "set e3=6 ok", "sleep 260", "set e0=0 ok", "sleep 10"}));
    EXPECT_EQ(dialog.view.At(kTemperature).text, "6500K");

    dialog.model.SliderMoved(kBrightness, 80);
    EXPECT_EQ(dialog.sim.Take(), (Lines{"set 10=50 ok", "sleep 35"})) << "no ownership needed";
    EXPECT_EQ(dialog.view.At(kBrightness).text, "80");
    dialog.model.SliderMoved(kBrightness, 80);
    EXPECT_TRUE(dialog.sim.Take().empty()) << "the same position again writes nothing";

    dialog.sim.Monitor().InjectFault({SimFault::Kind::Write, 0, 0x10, 1});
    dialog.model.SliderMoved(kBrightness, 30);
    EXPECT_EQ(dialog.view.At(kBrightness).state.position, 80) << "back to the last accepted";
    EXPECT_EQ(dialog.Register(0, 0x10), 80u);

    dialog.model.SliderMoved(kGamma, 8);
    EXPECT_EQ(dialog.view.At(kGamma).state, (SliderState{2, 6, 6})) << "kept inside the mask";
    EXPECT_EQ(dialog.Register(0x30, 0xE4), 6u);
    EXPECT_EQ(dialog.view.At(kGamma).text, "2.6");

    Dialog noTemperatures("slot 1 hex 12024f80 ff\n");
    noTemperatures.Open();
    noTemperatures.sim.Take();
    noTemperatures.model.SliderMoved(kTemperature, 1);
    EXPECT_TRUE(noTemperatures.sim.Take().empty());
    EXPECT_EQ(noTemperatures.model.Slider(kTemperature), (SliderState{0, 0, 0}));
}

TEST(ColorSubModel, AGainMoveMakesTheTemperatureFollowTheMonitor) {
    Dialog dialog("");
    dialog.Open();
    ASSERT_EQ(dialog.view.At(kTemperature).text, "6500K");
    ASSERT_EQ(dialog.view.picture, static_cast<std::uint32_t>(IDB_TEMP_PRESET));
    // Changing a gain makes this monitor leave its preset for the user colour.
    SimMonitor& monitor = dialog.sim.Monitor();
    monitor.Write(0xE1, 0x30);
    monitor.Write(0xE3, 15);
    monitor.Write(0xE5, 1);
    dialog.sim.Take();

    dialog.model.SliderMoved(kRed, 200);
    EXPECT_EQ(dialog.sim.Take(),
              (Lines{"set 16=c8 ok", "sleep 70",
                     // the user-colour state, then the temperature and the slider's range
                     "get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
                     "get e0 ok cur=1f40 max=ffff", "sleep 20", "set e1=30 ok", "sleep 20",
                     "get e5 ok cur=1 max=1", "sleep 20", "set e1=30 ok", "sleep 20",
                     "get e3 ok cur=f max=18", "sleep 20", "set e1=30 ok", "sleep 20",
                     "get e5 ok cur=1 max=1", "sleep 20", "set e0=0 ok", "sleep 10"}));
    EXPECT_EQ(dialog.view.At(kTemperature).state, (SliderState{0, 15, 15}));
    EXPECT_EQ(dialog.view.At(kTemperature).text, "User");
    EXPECT_EQ(dialog.view.picture, static_cast<std::uint32_t>(IDB_TEMP_USER));
}

TEST(ColorSubModel, CancelWritesBackWhatTheMonitorHadInOrder) {
    // At temperature 0 (off) the gains are written back too.
    Dialog dialog("vendor 30 e3 0 24\n");
    dialog.Open();
    dialog.model.SliderMoved(kBrightness, 90);
    dialog.model.SliderMoved(kRed, 10);
    dialog.model.SliderMoved(kGamma, 6);
    dialog.model.SliderMoved(kContrast, 20);
    dialog.model.Open(); // hidden and shown again with its owner: nothing is loaded again
    dialog.sim.Take();

    dialog.model.Cancel();
    EXPECT_EQ(
        dialog.sim.Take(),
        (Lines{"get e0 ok cur=0 max=ffff", "sleep 20", "set e0=1f40 ok", "sleep 10",
               "get e0 ok cur=1f40 max=ffff", "sleep 20", "set e1=20 ok", "sleep 20",
               "get e2 ok cur=1 max=1", "sleep 20", "set e1=20 ok", "sleep 20",
               "get e6 ok cur=0 max=1", "sleep 20",
               // mode, temperature, brightness, gains, gamma on the colour page
               "set e1=30 ok", "sleep 20", "set e2=0 ok", "sleep 340", "set e3=0 ok", "sleep 260",
               "set 10=32 ok", "sleep 35", "set 16=80 ok", "sleep 70", "set 18=80 ok", "sleep 70",
               "set 1a=80 ok", "sleep 70", "set e4=4 ok", "sleep 158",
               // the four-value group, contrast, the store command
               "set e1=e0 ok", "sleep 20", "set e4=b ok", "sleep 10", "set e5=c ok", "sleep 10",
               "set e6=d ok", "sleep 10", "set e7=e ok", "sleep 10", "set e8=1 ok", "sleep 13",
               "set 12=3c ok", "sleep 50", "set e1=f0 ok", "sleep 20", "set e3=0 ok", "sleep 120",
               "set e0=0 ok", "sleep 10"}));
    EXPECT_EQ(dialog.view.results, (std::vector<int>{2}));
    EXPECT_EQ(dialog.snapshot.brightnessCurrent, 50) << "the snapshot is the backup again";

    // At a preset temperature the gains stay as the user left them.
    Dialog preset("");
    preset.Open();
    preset.model.SliderMoved(kRed, 10);
    preset.model.Cancel();
    EXPECT_EQ(preset.Register(0, 0x16), 10u);
}

TEST(ColorSubModel, ResetRestoresTheFactoryColoursAndLoadsAgain) {
    Dialog dialog("");
    dialog.Open();
    dialog.model.SliderMoved(kBrightness, 90);
    dialog.sim.Take();
    dialog.model.Reset();
    const Lines trace = dialog.sim.Take();
    ASSERT_GE(trace.size(), 16u);
    EXPECT_EQ(Lines(trace.begin() + 14, trace.begin() + 16), (Lines{"set 08=1 ok", "sleep 330"}))
        << "after the ownership claim and the permission check";
    EXPECT_EQ(dialog.view.At(kBrightness).state.position, 50);
    EXPECT_EQ(dialog.view.At(kBrightness).text, "50");
    EXPECT_TRUE(dialog.view.results.empty());

    dialog.model.SliderMoved(kBrightness, 70);
    EXPECT_EQ(dialog.view.At(kBrightness).text, "70") << "a moved slider is written again";
}

TEST(ColorSubModel, OkStoresAndCloseLetsTheMonitorAndTheRescanGo) {
    Dialog dialog("");
    dialog.Open();
    dialog.model.SliderMoved(kBrightness, 90);
    dialog.model.Ok();
    EXPECT_EQ(dialog.Register(0xE0, 0xE3), 2u);
    EXPECT_EQ(dialog.sim.Monitor().StoreCommands(), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(dialog.view.results, (std::vector<int>{1}));
    dialog.model.Close();
    EXPECT_EQ(dialog.Register(0xE0, 0xE3), 0u);
    EXPECT_EQ(dialog.Register(0, 0x10), 90u);
    EXPECT_EQ(dialog.shell.m_hwndColorAdjust, nullptr);
    EXPECT_EQ(dialog.monitors.adjustmentBusy, 0);
    EXPECT_EQ(dialog.sim.Monitor().Owner(), 0u);
}

TEST(ColorSubModel, RefusedAdjustmentEndsTheDialogWithZero) {
    Dialog refused("vendor 20 e2 0 1\n");
    refused.Open();
    EXPECT_EQ(refused.view.results, (std::vector<int>{0}));
    EXPECT_FALSE(refused.view.buttons) << "nothing was loaded";
    EXPECT_EQ(refused.Register(0xE0, 0xE3), 0u);
    EXPECT_EQ(refused.sim.Monitor().Owner(), 0u);

    Dialog withdrawn("");
    withdrawn.Open();
    withdrawn.model.SliderMoved(kBrightness, 90);
    withdrawn.sim.Monitor().InjectFault({SimFault::Kind::Read, 0x20, 0xE6, 5});
    withdrawn.model.Reset();
    EXPECT_EQ(withdrawn.view.results, (std::vector<int>{0}));
    EXPECT_EQ(withdrawn.Register(0, 0x10), 90u) << "no factory reset";
}

TEST(ColorSubModel, ThePictureFollowsModeUserColourAndColourDepth) {
    struct Case {
        int mode; // 0 allows the temperature, 6 does not
        int userColorRead, userColorState;
        bool fewerThan16Bits;
        std::uint32_t picture;
    };
    const Case cases[] = {
        {0, 1, 1, false, IDB_TEMP_USER},          {0, 1, 1, true, IDB_TEMP_USER_256},
        {0, 1, 0, false, IDB_TEMP_PRESET},        {0, 1, 0, true, IDB_TEMP_PRESET_256},
        {0, 0, 0, false, IDB_TEMP_USER},          {6, 1, 1, false, IDB_TEMP_USER_OFF},
        {6, 1, 1, true, IDB_TEMP_USER_OFF_256},   {6, 1, 0, false, IDB_TEMP_PRESET_OFF},
        {6, 1, 0, true, IDB_TEMP_PRESET_OFF_256}, {40, 1, 0, false, IDB_TEMP_PRESET_OFF},
    };
    Dialog dialog("");
    for (const Case& c : cases) {
        dialog.snapshot.modeCurrent = c.mode;
        dialog.snapshot.userColorRead = c.userColorRead;
        dialog.snapshot.userColorState = c.userColorState;
        EXPECT_EQ(dialog.model.TemperaturePicture(c.fewerThan16Bits), c.picture)
            << "mode " << c.mode << " user colour " << c.userColorRead << c.userColorState
            << (c.fewerThan16Bits ? " 256 colours" : "");
    }
    dialog.monitors.Clear();
    EXPECT_EQ(dialog.model.TemperaturePicture(false), 0u) << "no monitor, no picture";
}

} // namespace
