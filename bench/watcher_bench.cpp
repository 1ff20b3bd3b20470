// The foreground watcher's common case, ten times a second for as long as the program runs: a
// tick that finds the same window in front. Prints the time per tick over 10,000 ticks and how
// many process snapshots they took (none is the goal), with fake windows here and with the real
// system calls in the Windows build (watcher_bench_win.cpp).
#include "sim/sim_system.h"
#include "utility/pages/foreground_watcher.h"
#include "utility/pages/testing/fake_windows.h"
#include "utility/settings/testing/registry_memory.h"

#include <chrono>
#include <cstdio>

int main() {
    constexpr int kTicks = 10000;
    SimSystem system;
    DeviceCtrl ctrl(system.Ports());
    CMonitorStatusAll monitors;
    FakeWindows windows;
    windows.windows[1] = {"C:\\Program Files\\Editor\\editor.exe"};
    windows.Front(1);
    MemoryRegistry registry;
    AutoApplier applier(ctrl, monitors, windows);
    ForegroundWatcher watcher(windows, monitors, applier, registry, system.codePage);
    const std::vector<AppModeEntry> table;
    WatchInputs inputs;
    inputs.activate = true;
    inputs.table = &table;
    watcher.Tick(inputs); // the window comes forward: one evaluation
    const int snapshots = windows.snapshots;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kTicks; ++i)
        watcher.Tick(inputs);
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    const double perTick = spent.count() / kTicks;
    std::printf("watcher tick, same window in front (fake windows): %.3f us per tick over %d "
                "ticks, %d process snapshots; goal under 20 us and none: %s\n",
                perTick, kTicks, windows.snapshots - snapshots,
                perTick < 20 && windows.snapshots == snapshots ? "met" : "MISSED");
    return 0;
}
