#include "tools/uidriver/process_counters_win.h"

#include "tools/uidriver/state_query_win.h"
#include "utility/ui/user_messages.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

namespace {

// NtQuerySystemInformation's list of every open handle of every process (its class 16), as
// Windows and Wine lay it out; the process identifier is kept in 16 bits on Windows.
constexpr ULONG kSystemHandleInformation = 16;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
struct SystemHandleEntry {
    ULONG ownerPid;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};

long long HandlesInSystemList(DWORD pid) {
    std::vector<unsigned char> buffer(1 << 16);
    NTSTATUS status = kInfoLengthMismatch;
    for (int i = 0; i < 8 && status == kInfoLengthMismatch; ++i) {
        ULONG needed = 0;
        status = ::NtQuerySystemInformation(
            static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation), buffer.data(),
            static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch)
            buffer.resize(std::max<std::size_t>(needed + 4096, buffer.size() * 2));
    }
    if (status != 0)
        return -1;
    const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    long long count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        if ((list->entries[i].ownerPid & 0xFFFF) == (pid & 0xFFFF))
            ++count;
    }
    return count;
}

CounterReading GuiObjects(HANDLE process, HWND main, DWORD flags, unsigned query,
                          const char* ownCount) {
    if (const DWORD reported = ::GetGuiResources(process, flags))
        return {static_cast<long long>(reported), "GetGuiResources"};
    const LRESULT own = QueryState(main, query);
    if (own > 0)
        return {static_cast<long long>(own),
                std::string(ownCount) + " (GetGuiResources answers 0 here)"};
    return {-1, "not available: GetGuiResources answers 0 and the program counts none itself"};
}

CounterReading Handles(HANDLE process) {
    DWORD reported = 0;
    if (::GetProcessHandleCount(process, &reported) && reported != 0)
        return {static_cast<long long>(reported), "GetProcessHandleCount"};
    const long long listed = HandlesInSystemList(::GetProcessId(process));
    if (listed > 0)
        return {listed, "its entries in the system's handle list, NtQuerySystemInformation "
                        "(GetProcessHandleCount answers 0 here)"};
    return {-1, "not available: GetProcessHandleCount answers 0 and the system lists none"};
}

CounterReading PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                sizeof memory))
        return {-1, "not available: GetProcessMemoryInfo fails"};
    if (memory.PrivateUsage != 0)
        return {static_cast<long long>(memory.PrivateUsage), "GetProcessMemoryInfo PrivateUsage"};
    if (memory.PagefileUsage != 0)
        return {static_cast<long long>(memory.PagefileUsage),
                "the commit charge, GetProcessMemoryInfo PagefileUsage (PrivateUsage answers 0 "
                "here)"};
    return {-1, "not available: GetProcessMemoryInfo answers 0"};
}

} // namespace

ProcessSample ReadProcessCounters(HANDLE process, HWND main) {
    ProcessSample sample;
    sample.gdiObjects = GuiObjects(process, main, GR_GDIOBJECTS, kQueryGdiObjects,
                                   "the program's own count of its GDI handle table");
    sample.userObjects =
        GuiObjects(process, main, GR_USEROBJECTS, kQueryUserObjects,
                   "the program's own count of its windows and menus, without icons and cursors");
    sample.handles = Handles(process);
    sample.privateBytes = PrivateBytes(process);
    return sample;
}
