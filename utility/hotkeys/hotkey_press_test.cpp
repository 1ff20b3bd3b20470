// A shortcut key on simulated monitors: each press does on the bus exactly what the command line
// does for the same step on the same monitor (refused presses included), queued presses go as
// one step of their sum, and the on-screen value says what came of it.
#include "utility/command/testing/command_desk.h"
#include "utility/hotkeys/hotkey_press.h"
#include "utility/settings/settings_keys.h"

#include <gtest/gtest.h>

namespace {

// dual.txt with its second monitor on a display device of its own, as two screens give.
Desk TwoScreens(const std::string& extra = "") {
    std::string text = Description("dual.txt");
    const std::string first = "device \\\\.\\DISPLAY1";
    text.replace(text.rfind(first), first.size(), "device \\\\.\\DISPLAY2");
    return Desk(Desk::Text{text + extra});
}

// What the on-screen value shows, as one line.
std::string Shown(const HotkeyResult& r) {
    const OnScreenValue& v = r.value;
    std::string line = r.device + "|" + v.monitor + "|" + v.control + "|";
    if (v.hasValue)
        line += std::to_string(v.value) + " of " + std::to_string(v.minimum) + "-" +
                std::to_string(v.maximum);
    return line + "|" + v.text + (v.refused ? "|refused" : "");
}

TEST(HotkeyPress, EachActionOnTheChosenMonitorGoesThroughTheCommandRunner) {
    using A = HotkeyAction;
    using M = HotkeyMonitors;
    const std::string display2 = "\\\\.\\DISPLAY2";
    const std::string right = "\\\\.\\DISPLAY2|2  EX-2780|";
    const std::string left = "\\\\.\\DISPLAY1|1  EX-2451W|";
    const std::string cad = "vendor 30 e2 14 36\n"; // the right monitor in a mode allowing contrast
    const struct {
        A action;
        int presses;
        M monitors;
        std::string pointer;
        std::string extra; // lines for the right monitor
        std::string line;  // the command line that does the same; "" for nothing on the bus
        std::string shown;
        bool changes;
    } cases[] = {
        {A::BrightnessUp, 1, M::UnderPointer, display2, "", "/set brightness +10 /monitor 2",
         right + "s400|90 of 0-100|", true},
        // Three queued presses: one step of their sum.
        {A::BrightnessDown, 3, M::Current, display2, "", "/set brightness -30 /monitor 1",
         left + "s400|20 of 0-100|", true},
        {A::VolumeUp, 1, M::Every, display2, "", "/set volume +10 /monitor all",
         right + "s402|10 of 0-100|", true},
        {A::VolumeDown, 1, M::UnderPointer, display2, "", "/set volume -10 /monitor 2",
         right + "s402|0 of 0-100|", true},
        // The picture mode's flags: Movie does not let the contrast change, CAD does.
        {A::ContrastUp, 1, M::UnderPointer, display2, "", "/set contrast +10 /monitor 2",
         right + "s401||s407s409|refused", false},
        {A::ContrastDown, 2, M::UnderPointer, display2, cad, "/set contrast -20 /monitor 2",
         right + "s401|40 of 0-100|", true},
        {A::NextMode, 1, M::UnderPointer, display2, "", "/mode 3 /monitor 2", right + "s403||s114",
         true},
        // Three back from Movie among Text ... sRGB wraps round to sRGB.
        {A::PreviousMode, 3, M::UnderPointer, display2, "", "/mode 4 /monitor 2",
         right + "s403||s115", true},
        {A::BrightnessUp, 1, M::UnderPointer, display2, "vendor 20 e2 0 1\n",
         "/set brightness +10 /monitor 2", right + "s400||s407s410|refused", false},
        // No controllable monitor under the pointer: nothing is sent.
        {A::BrightnessUp, 1, M::UnderPointer, "\\\\.\\DISPLAY3", "", "",
         "\\\\.\\DISPLAY3||s400||s407s415|refused", false},
        {A::FilterToggle, 1, M::UnderPointer, display2, "", "/filter 1", display2 + "||s404||s405",
         false},
        {A::FilterToggle, 2, M::UnderPointer, display2, "", "", display2 + "||s404||s406", false},
    };
    for (const auto& c : cases) {
        Desk pressed = TwoScreens(c.extra), typed = TwoScreens(c.extra);
        const std::string what = c.line + " / " + HotkeyValueName(c.action);
        ASSERT_EQ(pressed.monitors.monitors.size(), 2u);
        const auto registers = pressed.Registers(1);
        HotkeySettings settings;
        settings.monitors = c.monitors;
        const HotkeyResult result =
            PressHotkey(c.action, c.presses, settings, c.pointer, pressed.context);
        if (!c.line.empty())
            typed.Run(Words(c.line));
        EXPECT_EQ(pressed.sim.Take(), typed.sim.Take()) << what;
        EXPECT_EQ(Shown(result), c.shown) << what;
        EXPECT_EQ(result.monitorChanged, c.changes) << what;
        if (c.shown.ends_with("refused")) {
            EXPECT_EQ(pressed.Registers(1), registers) << what;
        }
        EXPECT_EQ(pressed.monitors.currentIndex, 0) << what;
    }
}

TEST(HotkeyPress, TheFilterKeyTakesTheFilterAwayAndShowsItAgain) {
    Desk desk = TwoScreens();
    const HotkeySettings settings;
    desk.Run(Words("/filter 2 /transmittance 40 /luminance -20"));
    const FilterSettings chosen = desk.applied;
    ASSERT_TRUE(chosen.on);
    PressHotkey(HotkeyAction::FilterToggle, 1, settings, "", desk.context);
    EXPECT_FALSE(desk.applied.on);
    PressHotkey(HotkeyAction::FilterToggle, 1, settings, "", desk.context);
    EXPECT_EQ(
        std::tie(desk.applied.on, desk.applied.fileType, desk.applied.filePath, desk.applied.alpha,
                 desk.applied.luminance),
        std::tie(chosen.on, chosen.fileType, chosen.filePath, chosen.alpha, chosen.luminance));
}

} // namespace
