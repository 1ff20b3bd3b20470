#include "utility/monitor/win/ports_win.h"

#include "utility/monitor/win/windows_win.h"

#include <tlhelp32.h>

#include <cstring>
#include <memory>
#include <type_traits>

namespace {

struct SnapshotCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Snapshot = std::unique_ptr<std::remove_pointer_t<HANDLE>, SnapshotCloser>;

} // namespace

void Win32Clock::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

std::uint32_t Win32Clock::TickCount() {
    return ::GetTickCount();
}

std::uint32_t ToolhelpProcessPort::CurrentProcessId() {
    return ::GetCurrentProcessId();
}

bool ToolhelpProcessPort::Snapshot(std::vector<ProcessInfo>& processes) {
    const HANDLE raw = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (raw == INVALID_HANDLE_VALUE)
        return false;
    const ::Snapshot snapshot(raw);
    // The ANSI entry: executable names in the system code page, as the rest of the program uses.
    PROCESSENTRY32 entry{};
    static_assert(sizeof(entry.szExeFile[0]) == 1, "the ANSI process entry");
    entry.dwSize = sizeof(entry);
    processes.clear();
    for (BOOL more = ::Process32First(snapshot.get(), &entry); more;
         more = ::Process32Next(snapshot.get(), &entry)) {
        processes.push_back(
            {entry.th32ProcessID,
             std::string(entry.szExeFile, strnlen(entry.szExeFile, sizeof(entry.szExeFile)))});
    }
    return true;
}
