// Test support: the main window's model on a simulated desktop with a recording view, fake
// timers, the in-memory registry, fake overlays and gamma devices.
#pragma once

#include "sim/testing/sim_desktop.h"
#include "utility/eyecare/testing/fake_overlays.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/shell/main_window_model.h"
#include "utility/shell/testing/scripted_tray_shell.h"
#include "utility/ui/testing/fake_timers.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Records what the model asks of its window, one line per request.
class RecordingView : public MainWindowView {
  public:
    void ShowWindowNormal() override { Add("show"); }
    void HideWindow() override { Add("hide"); }
    void ShowOnlyPage(int index) override { Add("page " + std::to_string(index)); }
    void SelectTab(int index) override { Add("tab " + std::to_string(index)); }
    void RefreshTabControl() override { Add("tab-refresh"); }
    void PostAutoPageRefresh() override { Add("auto-refresh"); }
    void RefreshPage(int index) override { Add("refresh " + std::to_string(index)); }
    void BringToForeground() override { Add("foreground"); }
    bool IsTopmost() const override { return topmost; }
    void SetTopmost(bool on) override {
        topmost = on;
        Add(on ? "topmost" : "not-topmost");
    }
    void CheckKeepOnTop(bool checked) override { Add(checked ? "check" : "uncheck"); }
    void ShowTrayMenu(const TrayMenuChoice& c) override {
        Add("menu " + std::to_string(c.popup) + (c.grayed ? " grey" : ""));
    }
    void WindowDeviceName(std::string& name) override {
        if (!windowDevice.empty())
            name = windowDevice;
    }
    void FocusPageControl(int page, PageFocus where) override {
        Add("focus " + std::to_string(page) + (where == PageFocus::First ? " first" : " last"));
    }
    bool ForwardMnemonic(int page, char letter) override {
        Add("mnemonic " + std::to_string(page) + " " + letter);
        return letter != 'Q'; // no page control has Q
    }
    void CloseAuxiliaryDialogs() override { Add("close-dialogs"); }
    void EndModalLoops() override {
        Add("end-loops");
        if (endLoops)
            endLoops();
    }
    void PostMonitorsChanged() override { Add("monitors-changed"); }
    void SendFilterReapply() override { Add("filter-reapply"); }
    void PostExit() override { Add("exit"); }
    // Answers from `sessionErrors` (0 = registered), then succeeds.
    std::uint32_t RegisterSessionNotification() override {
        ++sessionTries;
        if (sessionErrors.empty())
            return 0;
        const std::uint32_t error = sessionErrors.front();
        sessionErrors.pop_front();
        return error;
    }
    void UnregisterSessionNotification() override { Add("session-unregistered"); }

    std::vector<std::string> Take() { return std::exchange(events, {}); }

    bool topmost = false;
    std::string windowDevice;
    std::deque<std::uint32_t> sessionErrors;
    int sessionTries = 0;
    // What the loops asked to end do (a test's loop that closes, or one that stays open).
    std::function<void()> endLoops;
    std::vector<std::string> events;

  private:
    void Add(std::string event) { events.push_back(std::move(event)); }
};

class MainWindowHarness : public testing::Test {
  protected:
    explicit MainWindowHarness(const char* monitors = "typical.txt") : desktop(monitors) {
        gammaPort.devices.emplace_back("\\\\.\\DISPLAY1");
    }

    MainWindowModel& Model() {
        if (!model)
            model = std::make_unique<MainWindowModel>(MainWindowDeps{view, shell, timers, registry,
                                                                     desktop.ctrl, monitors, state,
                                                                     filter, strings},
                                                      "Visomat");
        return *model;
    }
    MainWindowModel& Started() {
        Model().Start();
        view.Take();
        shell.calls.clear();
        return *model;
    }

    SimDesktop desktop;
    RecordingView view;
    ScriptedShell shell;
    FakeTimers timers;
    MemoryRegistry registry;
    CMonitorStatusAll monitors;
    ShellState state;
    FilterSettings filterSettings;
    FakeOverlayPort overlays;
    FakeGammaPort gammaPort;
    GammaList gammaList;
    ScreenFilter filter{monitors,  filterSettings,       overlays,
                        gammaPort, desktop.system.clock, gammaList};
    NumberedStrings strings;
    std::unique_ptr<MainWindowModel> model;
};
