#include "framework/system_library_win.h"

#include <string>

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32 is understood where kernel32 exports AddDllDirectory (Windows 8,
// and Vista and 7 with update KB2533623); elsewhere LoadLibraryEx rejects the flag.
bool SearchFlagsSupported() {
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel && ::GetProcAddress(kernel, "AddDllDirectory");
}

// The system folder's path with `name` appended; empty when the folder cannot be read.
std::wstring SystemPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring path(folder, length);
    if (path.back() != L'\\')
        path += L'\\';
    return path + name;
}

} // namespace

ScopedLibrary LoadSystemLibrary(const wchar_t* name) {
    if (SearchFlagsSupported())
        return ScopedLibrary(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    // A full path is loaded from exactly there.
    const std::wstring path = SystemPath(name);
    if (path.empty())
        return ScopedLibrary();
    return ScopedLibrary(::LoadLibraryW(path.c_str()));
}
