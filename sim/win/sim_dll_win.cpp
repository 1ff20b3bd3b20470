#include "sim/win/sim_dll_win.h"

#include "sim/win/sim_dump.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace {

// The variable's value, read from the process environment as it is now (the C runtime's copy
// misses changes made after start-up).
std::string EnvironmentValue(const char* name) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length);
    }
}

void Report(const std::string& message) {
    const std::string line = "simulated monitors: " + message + "\n";
    OutputDebugStringA(line.c_str());
    std::fputs(line.c_str(), stderr);
}

// The program sleeps its own pauses; what a transaction takes on the wire (a slow answer, a
// time-out) is slept here, inside the call, as the system's driver would. The calls' own costs
// only with DIMORA_SIM_CALL_COSTS=1 (the run command and the benchmarks): the tests would
// otherwise sleep them at every transaction.
void RunInRealTime(SimSystem& system) {
    system.bus.SetSpender([](std::uint32_t ms) { ::Sleep(ms); });
    if (EnvironmentValue("DIMORA_SIM_CALL_COSTS") == "1")
        return;
    for (std::size_t i = 0; i < system.bus.Count(); ++i)
        system.bus.Monitor(static_cast<int>(i)).DropCallCosts();
}

std::unique_ptr<SimSystem> Load() {
    auto system = std::make_unique<SimSystem>();
    // The DLL lives as long as the program; a trace of every transaction would only grow.
    system->trace.SetRecording(false);
    const std::string path = EnvironmentValue("DIMORA_SIM_MONITORS");
    if (path.empty()) {
        Report("DIMORA_SIM_MONITORS is not set; no monitors");
        return system;
    }
    std::string error;
    if (LoadSimDescriptionFile(path, *system, error)) {
        RunInRealTime(*system);
        return system;
    }
    Report(path + ": " + error + "; no monitors");
    system = std::make_unique<SimSystem>();
    system->trace.SetRecording(false);
    return system;
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
    return TRUE;
}

std::optional<MONITORINFOEXA> InfoOf(HMONITOR monitor) {
    MONITORINFOEXA info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info))
        return std::nullopt;
    return info;
}

} // namespace

SimSystem& Simulation() {
    static std::unique_ptr<SimSystem> system;
    if (!system) {
        system = Load();
        WriteDump();
    }
    return *system;
}

void WriteDump() {
    const std::string path = EnvironmentValue("DIMORA_SIM_DUMP");
    if (path.empty())
        return;
    std::ofstream out(path, std::ios::trunc);
    if (!out) {
        Report("cannot write " + path);
        return;
    }
    WriteSimDump(out, Simulation().bus);
}

std::optional<std::string> DeviceOf(HMONITOR monitor) {
    const auto info = InfoOf(monitor);
    if (!info)
        return std::nullopt;
    return std::string(info->szDevice, strnlen(info->szDevice, sizeof(info->szDevice)));
}

std::optional<MONITORINFOEXA> DesktopMonitorOf(const std::string& device) {
    std::vector<HMONITOR> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors)))
        return std::nullopt;
    for (HMONITOR monitor : monitors) {
        if (DeviceOf(monitor) == device)
            return InfoOf(monitor);
    }
    return std::nullopt;
}
