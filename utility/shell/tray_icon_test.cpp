// The icon's retry rules and colour, and the main window's keyboard rules.
#include "utility/shell/page_keys.h"
#include "utility/shell/tray_icon.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// A shell that answers from a script: each call takes the next result (true, or an error code).
class ScriptedShell : public TrayShellPort {
  public:
    bool NotifyIcon(TrayAction action, std::uint32_t iconId, const std::string&) override {
        calls.push_back(std::to_string(static_cast<int>(action)) + ":" + std::to_string(iconId));
        if (script.empty())
            return true;
        const std::uint32_t next = script.front();
        script.pop_front();
        error = next;
        return next == 0;
    }
    std::uint32_t LastError() override { return error; }
    void Sleep(std::uint32_t ms) override { slept += ms; }
    void ReportAddFailure() override { ++reports; }

    std::deque<std::uint32_t> script; // 0 = success, else the error code
    std::vector<std::string> calls;
    std::uint32_t error = 0;
    std::uint64_t slept = 0;
    int reports = 0;
};

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
}

TEST(TrayIcon, TimeoutsAreRetriedAsModify) {
    ScriptedShell shell;
    shell.script = {1460, 1460, 0};
    TrayIcon tray(shell);
    EXPECT_TRUE(tray.NotifyTray(TrayAction::Add, kIconGrey, "tip"));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"0:152", "1:152", "0:152"}));
    EXPECT_EQ(shell.slept, 1000u);
    EXPECT_TRUE(tray.StartupOk());
}

TEST(TrayIcon, FailedAddIsReportedOnceAndEndsStartup) {
    ScriptedShell shell;
    shell.script = {5};
    TrayIcon tray(shell);
    tray.UpdateTrayIcon(true, "tip");
    EXPECT_EQ(shell.calls.size(), 1u) << "another error stops at once";
    EXPECT_EQ(shell.reports, 1);
    EXPECT_FALSE(tray.StartupOk());
    EXPECT_EQ(tray.State(), 0);

    ScriptedShell slow;
    slow.script = std::deque<std::uint32_t>(400, 1460);
    TrayIcon stuck(slow);
    EXPECT_FALSE(stuck.NotifyTray(TrayAction::Add, kIconGrey, "tip"));
    EXPECT_EQ(slow.calls.size(), 360u) << "180 tries, each with its modify";
    EXPECT_EQ(slow.slept, 180000u);
    EXPECT_EQ(slow.reports, 1);
}

TEST(TrayIcon, FailedModifyIsNotReported) {
    ScriptedShell shell;
    shell.script = {0, 5};
    TrayIcon tray(shell);
    tray.UpdateTrayIcon(true, "tip");
    EXPECT_EQ(tray.State(), 1) << "the state follows the request whatever the shell said";
    EXPECT_EQ(shell.reports, 0);
    EXPECT_TRUE(tray.StartupOk());
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

} // namespace
