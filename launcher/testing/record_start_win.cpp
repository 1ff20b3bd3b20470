// recordstart.exe: a program for the launcher's process tests to start. It appends one line to
// the file named by LAUNCHER_TEST_RECORD: its command line, a bar, and the folder it started in
// (UTF-8), then ends. A test reads the line to see what the launcher asked the shell to start.
#include "framework/handles_win.h"

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

int main() {
    wchar_t path[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(L"LAUNCHER_TEST_RECORD", path, MAX_PATH))
        return 1;
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    const std::string line = Utf8(std::wstring(::GetCommandLineW()) + L"|" + folder) + "\n";
    HANDLE opened = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return 1;
    const ScopedKernelHandle file(opened);
    DWORD written = 0;
    ::WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return 0;
}
