#include "tools/uidriver/startup_bench_win.h"

#include "bench/baseline/baseline.h"
#include "framework/handles_win.h"
#include "tools/uidriver/startup_pauses.h"
#include "tools/uidriver/startup_report.h"
#include "tools/uidriver/state_query_win.h"
#include "utility/res/resource.h"
#include "utility/ui/user_messages.h"

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kStartLimitMs = 120000;
constexpr DWORD kExitLimitMs = 20000;

class Stopwatch {
  public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double ElapsedMs() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 /
               static_cast<double>(m_frequency.QuadPart);
    }

  private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
};

struct Program {
    const char* name;
    const char* exe;
    const char* windowClass;
};

// Polls until the program's window answers that its icon is up. The query blocks while the
// program is busy, so the answer comes as soon as it next reads its messages.
HWND WaitForIcon(const Program& program, HANDLE process, DWORD pid, const Stopwatch& clock) {
    while (clock.ElapsedMs() < kStartLimitMs) {
        if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            return nullptr;
        if (HWND window = FindTopWindow(program.windowClass, pid)) {
            const LRESULT tray = QueryState(window, kQueryTrayState);
            if (tray == 1 || tray == 2)
                return window;
        }
        ::Sleep(1);
    }
    return nullptr;
}

// Committed memory of the process's own allocations (heaps, stacks, VirtualAlloc), without the
// program and DLL images: under Wine the commit charge grows by about the size of every DLL
// loaded, the simulated dxva2.dll and libpanq.dll among them.
std::uint64_t PrivateRegionBytes(HANDLE process) {
    std::uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    ULONG_PTR address = 0;
    while (::VirtualQueryEx(process, reinterpret_cast<const void*>(address), &region,
                            sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        const ULONG_PTR next = reinterpret_cast<ULONG_PTR>(region.BaseAddress) + region.RegionSize;
        if (next <= address) // the top of the address space
            break;
        address = next;
    }
    return total;
}

StartupRun ReadFigures(HWND window, HANDLE process, DWORD startTick) {
    StartupRun run;
    for (int i = 0; i < 12000 && QueryState(window, kQueryReady) != 1; ++i)
        ::Sleep(10);
    run.ownIconMs = static_cast<double>(QueryState(window, kQueryIconAfterMs));
    const auto iconTick = static_cast<DWORD>(QueryState(window, kQueryIconTick));
    run.iconMs = static_cast<double>(iconTick - startTick);
    run.monitors = static_cast<long>(QueryState(window, kQueryMonitorCount));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory);
    // Wine leaves PrivateUsage at 0; the commit charge (PagefileUsage) is the same figure.
    run.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    run.privateRegions = PrivateRegionBytes(process);
    run.workingSet = memory.WorkingSetSize;
    return run;
}

// Starts the program, measures it once and ends it through Exit.
bool RunOnce(const Program& program, StartupRun& run) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string command = std::string("\"") + program.exe + "\"";
    const Stopwatch clock;
    const DWORD startTick = ::GetTickCount();
    if (!::CreateProcessA(program.exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        std::fprintf(stderr, "uidriver: cannot start %s\n", program.exe);
        return false;
    }
    const ScopedKernelHandle process(info.hProcess);
    const ScopedKernelHandle thread(info.hThread);
    const HWND window = WaitForIcon(program, process.Get(), info.dwProcessId, clock);
    const double readyMs = clock.ElapsedMs();
    bool ok = window != nullptr;
    if (ok) {
        run = ReadFigures(window, process.Get(), startTick);
        run.readyMs = readyMs;
        ::PostMessageA(window, WM_COMMAND, ID_TRAY_EXIT, 0);
    } else {
        std::fprintf(stderr, "uidriver: %s showed no icon\n", program.name);
    }
    if (::WaitForSingleObject(process.Get(), kExitLimitMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "uidriver: %s did not end through Exit\n", program.name);
        ::TerminateProcess(process.Get(), 1);
        ok = false;
    }
    return ok;
}

} // namespace

int RunStartupBench(const char* utilityExe, const char* baselineExe, const char* description,
                    std::size_t rounds) {
    StartupPauses pauses;
    std::string error;
    if (!MeasureStartupPauses(description, pauses, error)) {
        std::fprintf(stderr, "uidriver: %s\n", error.c_str());
        return 2;
    }
    ::SetEnvironmentVariableA("DIMORA_SIM_MONITORS", description);
    const Program utility{"DimoraDdcci", utilityExe, DIMORA_MAIN_CLASS};
    const Program baseline{"baseline", baselineExe, kBaselineWindowClass};
    std::vector<StartupRun> ours, base;
    for (std::size_t round = 0; round < rounds; ++round) {
        StartupRun run;
        if (!RunOnce(baseline, run))
            return 1;
        base.push_back(run);
        if (!RunOnce(utility, run))
            return 1;
        ours.push_back(run);
    }
    std::fputs(
        FormatStartupReport(Medians(ours), Medians(base), pauses, ours.back().monitors).c_str(),
        stdout);
    return 0;
}
