// The icon's retry rules and colour, the keyboard rules that need no window, and text cutting.
#include "utility/shell/page_keys.h"
#include "utility/shell/testing/scripted_tray_shell.h"
#include "utility/shell/tray_icon.h"
#include "utility/text/code_page.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

TEST(TrayIcon, ColourFollowsTheCurrentMonitor) {
    ScriptedShell shell;
    TrayIcon tray(shell);
    tray.UpdateTrayIcon(true, "tip");
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"0:152", "1:128"}));
    EXPECT_EQ(tray.State(), 1);
    shell.calls.clear();
    tray.UpdateTrayIcon(true, "tip");
    EXPECT_TRUE(shell.calls.empty()) << "no change, no call";
    tray.UpdateTrayIcon(false, "tip");
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"1:152"}));
    EXPECT_EQ(tray.State(), 2);
    shell.calls.clear();
    tray.OnTaskbarCreated(false, "tip");
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"0:152", "1:152"}));

    // A rescan during the reminder's balloon finds no monitor: the balloon goes, the grey stays.
    tray.UpdateTrayIcon(true, "tip");
    tray.ShowBalloon({"Visomat", "Rest"});
    tray.UpdateTrayIcon(false, "tip");
    shell.calls.clear();
    tray.HideBalloon();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"balloon:152:Visomat:"}));
}

TEST(TrayIcon, TimeoutsAreRetriedAsModify) {
    ScriptedShell shell;
    shell.script = {1460, 1460, 0};
    TrayIcon tray(shell);
    EXPECT_TRUE(tray.NotifyTray(TrayAction::Modify, kIconGrey, "tip"));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"1:152", "1:152", "1:152"}));
    EXPECT_EQ(shell.slept, 1000u);
}

// An add is tried once and checked with a modify, without waiting: while there is no
// notification area the icon is absent, and the program runs on without it.
TEST(TrayIcon, AnAddIsTriedOnceAndNeverWaits) {
    struct Case {
        const char* name;
        std::deque<std::uint32_t> script;
        std::vector<std::string> calls;
        int state;
    };
    const Case cases[] = {
        {"no taskbar", {2, 2}, {"0:152", "1:152"}, 0},
        {"Explorer busy: no 180 tries", {1460, 1460, 1460}, {"0:152", "1:152"}, 0},
        {"a timed-out add reached the shell", {1460, 0}, {"0:152", "1:152", "1:128"}, 1},
        {"added before", {5, 0}, {"0:152", "1:152", "1:128"}, 1},
        {"added", {}, {"0:152", "1:128"}, 1},
    };
    for (const Case& c : cases) {
        ScriptedShell shell;
        shell.script = c.script;
        TrayIcon tray(shell);
        tray.UpdateTrayIcon(true, "tip");
        EXPECT_EQ(shell.calls, c.calls) << c.name;
        EXPECT_EQ(tray.State(), c.state) << c.name;
        EXPECT_EQ(shell.slept, 0u) << c.name;
        shell.calls.clear();
        tray.Remove();
        EXPECT_EQ(shell.calls.size(), c.state == 0 ? 0u : 1u) << c.name << ": deleted if shown";
    }
}

TEST(TrayIcon, FailedModifyIsNotReported) {
    ScriptedShell shell;
    shell.script = {0, 5};
    TrayIcon tray(shell);
    tray.UpdateTrayIcon(true, "tip");
    EXPECT_EQ(tray.State(), 1) << "the state follows the request whatever the shell said";
}

TEST(PageKeys, CyclesAndMnemonics) {
    EXPECT_EQ(NextPage(2, false), 0);
    EXPECT_EQ(NextPage(0, true), 2);
    EXPECT_EQ(NextPage(1, true), 0);
    EXPECT_TRUE(HasMnemonic("&Close", 'c'));
    EXPECT_TRUE(HasMnemonic("Mode c&hange", 'H'));
    EXPECT_FALSE(HasMnemonic("Save && load", 'L'));
    EXPECT_FALSE(HasMnemonic("Trailing &", 'A'));
    EXPECT_FALSE(HasMnemonic("", 'A'));
}

// Controls are numbered; a control's text and the next one in tab order come from tables.
TEST(PageKeys, MnemonicWalkEndsOnEveryPage) {
    const std::vector<std::string> texts = {"", "&Mode", "&Register", "Re&store"};
    auto text = [&](int c) { return texts[static_cast<std::size_t>(c)]; };
    auto cycle = [](int c) { return c % 3 + 1; }; // 1 -> 2 -> 3 -> 1
    EXPECT_EQ(FindMnemonicControl(1, 3, 's', cycle, text), 3);
    EXPECT_EQ(FindMnemonicControl(2, 3, 'm', cycle, text), 1) << "wraps past the last control";
    EXPECT_EQ(FindMnemonicControl(1, 3, 'x', cycle, text), std::nullopt);
    // The first control is disabled: the system's walk skips it and never comes back to it.
    auto skipsFirst = [](int c) { return c == 3 ? 2 : c + 1; }; // 1 -> 2 -> 3 -> 2 ...
    EXPECT_EQ(FindMnemonicControl(1, 3, 'x', skipsFirst, text), std::nullopt);
    auto none = [](int) { return 0; };
    EXPECT_EQ(FindMnemonicControl(1, 3, 'x', none, text), std::nullopt);
}

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC.
class ShiftJis : public CodePage {
  public:
    bool IsLeadByte(unsigned char b) const override {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};

TEST(CodePage, TextIsCutAfterAWholeCharacter) {
    const ShiftJis sjis;
    const std::string kana = "\x83\x65\x83\x4C"; // two double-byte characters
    EXPECT_EQ(CutToWholeCharacters("abc" + kana, 5, sjis), "abc\x83\x65");
    EXPECT_EQ(CutToWholeCharacters("abcd" + kana, 5, sjis), "abcd") << "no half character";
    EXPECT_EQ(CutToWholeCharacters("abcdef", 5, sjis), "abcde");
    EXPECT_EQ(CutToWholeCharacters("ab\x83", 5, sjis), "ab") << "a lead byte at the very end";
}

} // namespace
