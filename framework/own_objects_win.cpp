#include "framework/own_objects_win.h"

#include "framework/mingw_gaps_win.h"

namespace {

// A GDI handle's low word is its index in the process's handle table and its high word the
// entry's generation; Wine looks an entry up by the index alone when the high word is 0, which
// lets every entry be visited. A table holds at most 16384 entries.
constexpr unsigned kGdiIndexEnd = 0x10000;

// USER handles are even numbers from 0x20 on, looked up the same way by their low word.
constexpr unsigned kUserFirstHandle = 0x20;
constexpr unsigned kUserHandleEnd = 0x10000;

unsigned long CountGdiTable() {
    unsigned long count = 0;
    for (unsigned index = 0; index < kGdiIndexEnd; ++index) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index))) != 0)
            ++count;
    }
    return count;
}

// IsMenu answers from the process's own table without asking the server, so the walk is fast;
// windows are found by enumeration instead, as asking for every handle would be slow.
unsigned long CountMenus() {
    unsigned long count = 0;
    for (unsigned handle = kUserFirstHandle; handle < kUserHandleEnd; handle += 2) {
        if (::IsMenu(reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(handle))))
            ++count;
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++*reinterpret_cast<unsigned long*>(data);
    return TRUE;
}

bool OwnWindow(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return pid == ::GetCurrentProcessId();
}

// A top-level window of this process with all its descendants.
void CountTree(HWND window, unsigned long& count) {
    if (!OwnWindow(window))
        return;
    ++count;
    ::EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    CountTree(window, *reinterpret_cast<unsigned long*>(data));
    return TRUE;
}

unsigned long CountWindows() {
    unsigned long count = 0;
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    // Message-only windows are not top-level windows to EnumWindows.
    for (HWND window = ::FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = ::FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr))
        CountTree(window, count);
    return count;
}

} // namespace

unsigned long OwnGdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? reported : CountGdiTable();
}

unsigned long OwnUserObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    return reported != 0 ? reported : CountWindows() + CountMenus();
}
