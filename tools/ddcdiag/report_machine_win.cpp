// The report's machine facts on Windows: the version as the kernel reports it (GetVersionEx
// answers what the manifest claims), the architecture, whether the utility runs, the display
// devices, the EDIDs the system keeps and the current user's registry.
#include "tools/ddcdiag/report.h"

#include "utility/monitor/win/windows_win.h"
#include "utility/settings/registry_win.h"

#include <cstdio>
#include <string>

namespace {

std::string Version() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    const auto get = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                 reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")))
                           : nullptr;
    if (!get || get(&info) != 0)
        return "Windows (version unknown)";
    SYSTEM_INFO system{};
    ::GetNativeSystemInfo(&system);
    const char* arch = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64   ? "x64"
                       : system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_ARM64 ? "ARM64"
                       : system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL ? "x86"
                                                                                       : "other";
    char text[96];
    std::snprintf(text, sizeof text, "Windows %lu.%lu build %lu, %s, this tool %d-bit",
                  info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, arch,
                  static_cast<int>(sizeof(void*) * 8));
    return text;
}

// The utility's single-instance mutex exists while it runs (access denied: it runs with other
// rights).
bool UtilityRunning() {
    const HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, "Orvane Visomat");
    if (mutex) {
        ::CloseHandle(mutex);
        return true;
    }
    return ::GetLastError() == ERROR_ACCESS_DENIED;
}

std::string Flags(DWORD flags) {
    std::string text;
    if (flags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)
        text += " attached";
    if (flags & DISPLAY_DEVICE_PRIMARY_DEVICE)
        text += " primary";
    if (flags & DISPLAY_DEVICE_MIRRORING_DRIVER)
        text += " mirroring";
    return text;
}

void Devices(ReportMachine& machine) {
    for (DWORD i = 0; i < 64; ++i) {
        DISPLAY_DEVICEA adapter{};
        adapter.cb = sizeof adapter;
        if (!::EnumDisplayDevicesA(nullptr, i, &adapter, 0))
            break;
        machine.devices.push_back(std::string(adapter.DeviceName) + " \"" + adapter.DeviceString +
                                  "\"" + Flags(adapter.StateFlags));
        for (DWORD j = 0; j < 16; ++j) {
            DISPLAY_DEVICEA monitor{};
            monitor.cb = sizeof monitor;
            if (!::EnumDisplayDevicesA(adapter.DeviceName, j, &monitor, 0))
                break;
            machine.devices.push_back("  monitor " + std::string(monitor.DeviceName) + " \"" +
                                      monitor.DeviceString + "\" " + monitor.DeviceID);
        }
    }
}

// HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\<model>\<instance>\Device Parameters\EDID: every
// monitor the system has seen, attached now or not.
void Edids(ReportMachine& machine) {
    const char* root = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
    HKEY display = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, root, 0, KEY_READ, &display) != ERROR_SUCCESS)
        return;
    char model[256];
    for (DWORD i = 0; ::RegEnumKeyA(display, i, model, sizeof model) == ERROR_SUCCESS; ++i) {
        HKEY modelKey = nullptr;
        if (::RegOpenKeyExA(display, model, 0, KEY_READ, &modelKey) != ERROR_SUCCESS)
            continue;
        char instance[256];
        for (DWORD j = 0; ::RegEnumKeyA(modelKey, j, instance, sizeof instance) == ERROR_SUCCESS;
             ++j) {
            const std::string path = std::string(instance) + "\\Device Parameters";
            HKEY parameters = nullptr;
            if (::RegOpenKeyExA(modelKey, path.c_str(), 0, KEY_READ, &parameters) != ERROR_SUCCESS)
                continue;
            std::vector<std::uint8_t> edid(32768);
            DWORD size = static_cast<DWORD>(edid.size());
            DWORD type = 0;
            if (::RegQueryValueExA(parameters, "EDID", nullptr, &type, edid.data(), &size) ==
                    ERROR_SUCCESS &&
                type == REG_BINARY) {
                edid.resize(size);
                machine.edids.push_back(std::move(edid));
            }
            ::RegCloseKey(parameters);
        }
        ::RegCloseKey(modelKey);
    }
    ::RegCloseKey(display);
}

} // namespace

bool ReadReportMachine(ReportMachine& machine) {
    static Win32RegistryPort registry;
    machine.system = Version();
    machine.utilityRunning = UtilityRunning();
    Devices(machine);
    Edids(machine);
    machine.registry = &registry;
    return true;
}
