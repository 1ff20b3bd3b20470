// dxva2.dll of the simulator: the monitor-configuration calls the monitor layer makes, answered by
// the simulated monitors. A real desktop monitor gets the described monitors whose device name
// equals its own, in description order. Pauses are the caller's business; a call sleeps only what
// the description says the transaction itself takes (its cost, a slow answer, a time-out).
#include "sim/win/sim_dll_win.h"
#include "utility/monitor/win/windows_win.h"

#include <vector>

#define SIM_EXPORT extern "C" __declspec(dllexport)

namespace {

// The simulated monitors behind a desktop monitor; nothing when it is not a desktop monitor.
std::optional<std::vector<int>> MonitorsOn(HMONITOR monitor) {
    const auto device = DeviceOf(monitor);
    if (!device)
        return std::nullopt;
    SimBus& bus = Simulation().bus;
    std::vector<int> found;
    for (std::size_t i = 0; i < bus.Count(); ++i) {
        if (bus.Monitor(static_cast<int>(i)).Config().device == *device)
            found.push_back(static_cast<int>(i));
    }
    return found;
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

// A refused or unanswered transaction, as the monitor-configuration service reports it.
BOOL Transaction(bool ok) {
    return ok ? TRUE : Fail(ERROR_GEN_FAILURE);
}

bool IsSimHandle(HANDLE handle) {
    return Simulation().bus.IndexOf(handle) >= 0;
}

} // namespace

SIM_EXPORT BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, LPDWORD count) {
    if (!count)
        return Fail(ERROR_INVALID_PARAMETER);
    const auto found = MonitorsOn(monitor);
    if (!found)
        return Fail(ERROR_INVALID_HANDLE);
    *count = static_cast<DWORD>(found->size());
    return TRUE;
}

SIM_EXPORT BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD size,
                                                       LPPHYSICAL_MONITOR monitors) {
    if (!monitors)
        return Fail(ERROR_INVALID_PARAMETER);
    const auto found = MonitorsOn(monitor);
    if (!found)
        return Fail(ERROR_INVALID_HANDLE);
    if (size != found->size())
        return Fail(ERROR_INVALID_PARAMETER);
    SimBus& bus = Simulation().bus;
    for (std::size_t i = 0; i < found->size(); ++i) {
        const int index = (*found)[i];
        PHYSICAL_MONITOR& out = monitors[i];
        out = PHYSICAL_MONITOR{};
        out.hPhysicalMonitor = SimBus::HandleOf(index);
        // Description files are UTF-8; the description is cut to leave room for its zero.
        const std::string& name = bus.Monitor(index).Config().name;
        const int length = MultiByteToWideChar(
            CP_UTF8, 0, name.data(), static_cast<int>(name.size()),
            out.szPhysicalMonitorDescription, PHYSICAL_MONITOR_DESCRIPTION_SIZE - 1);
        out.szPhysicalMonitorDescription[length > 0 ? length : 0] = L'\0';
    }
    return TRUE;
}

SIM_EXPORT BOOL WINAPI DestroyPhysicalMonitor(HANDLE monitor) {
    return IsSimHandle(monitor) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

SIM_EXPORT BOOL WINAPI DestroyPhysicalMonitors(DWORD size, LPPHYSICAL_MONITOR monitors) {
    if (size > 0 && !monitors)
        return Fail(ERROR_INVALID_PARAMETER);
    for (DWORD i = 0; i < size; ++i) {
        if (!IsSimHandle(monitors[i].hPhysicalMonitor))
            return Fail(ERROR_INVALID_HANDLE);
    }
    return TRUE;
}

SIM_EXPORT BOOL WINAPI GetCapabilitiesStringLength(HANDLE monitor, LPDWORD length) {
    if (!length)
        return Fail(ERROR_INVALID_PARAMETER);
    std::uint32_t value = 0;
    if (!Simulation().bus.GetCapabilitiesStringLength(monitor, value))
        return Transaction(false);
    *length = value;
    return TRUE;
}

SIM_EXPORT BOOL WINAPI CapabilitiesRequestAndCapabilitiesReply(HANDLE monitor, LPSTR text,
                                                               DWORD length) {
    if (!text)
        return Fail(ERROR_INVALID_PARAMETER);
    return Transaction(Simulation().bus.CapabilitiesRequestAndReply(monitor, text, length));
}

SIM_EXPORT BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE monitor, BYTE code,
                                                       LPMC_VCP_CODE_TYPE type, LPDWORD current,
                                                       LPDWORD maximum) {
    std::uint32_t cur = 0;
    std::uint32_t max = 0;
    if (!Simulation().bus.GetVcpFeature(monitor, code, cur, max))
        return Transaction(false);
    if (type)
        *type = MC_SET_PARAMETER;
    if (current)
        *current = cur;
    if (maximum)
        *maximum = max;
    return TRUE;
}

SIM_EXPORT BOOL WINAPI SetVCPFeature(HANDLE monitor, BYTE code, DWORD value) {
    const bool ok = Simulation().bus.SetVcpFeature(monitor, code, value);
    WriteDump();
    return Transaction(ok);
}
