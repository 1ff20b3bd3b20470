// The foreground watcher's common case through the real system calls: a window of this program
// in front, 10,000 ticks that find it there again. Prints the time per tick.
#include "framework/mingw_gaps_win.h"
#include "sim/sim_system.h"
#include "utility/pages/foreground_watcher.h"
#include "utility/pages/foreground_win.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/code_page_win.h"

#include <cstdio>

namespace {

// Counts the process look-ups the real port makes.
class CountingWindows : public ForegroundWin {
  public:
    bool ProcessFileOf(WindowHandle window, std::string& exeFile) override {
        ++snapshots;
        return ForegroundWin::ProcessFileOf(window, exeFile);
    }
    int snapshots = 0;
};

} // namespace

int main() {
    constexpr int kTicks = 10000;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DimoraWatcherBench";
    ::RegisterClassA(&wc);
    HWND window =
        ::CreateWindowExA(0, wc.lpszClassName, "watcher bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetForegroundWindow(window);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);

    SimSystem system;
    DeviceCtrl ctrl(system.Ports());
    CMonitorStatusAll monitors;
    CountingWindows windows;
    MemoryRegistry registry;
    AutoApplier applier(ctrl, monitors, windows);
    SystemCodePage codePage;
    ForegroundWatcher watcher(windows, monitors, applier, registry, codePage);
    const std::vector<AppModeEntry> table;
    WatchInputs inputs;
    inputs.activate = true;
    inputs.table = &table;
    watcher.Tick(inputs);
    const int snapshots = windows.snapshots;
    LARGE_INTEGER frequency{}, start{}, end{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kTicks; ++i)
        watcher.Tick(inputs);
    ::QueryPerformanceCounter(&end);
    const double perTick = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                           static_cast<double>(frequency.QuadPart) / kTicks;
    std::printf("watcher tick, same window in front (system calls): %.3f us per tick over %d "
                "ticks, %d process snapshots, %d evaluation(s); goal under 20 us and none: %s\n",
                perTick, kTicks, windows.snapshots - snapshots, watcher.Evaluations(),
                perTick < 20 && windows.snapshots == snapshots ? "met" : "MISSED");
    ::DestroyWindow(window);
    return 0;
}
