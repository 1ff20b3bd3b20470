#include "utility/command/command_console_win.h"

#include "framework/handles_win.h"

#include <windows.h>

#include <vector>

namespace {

std::string WithCarriageReturns(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

void WriteCommandOutput(const std::string& text) {
    const std::string lines = WithCarriageReturns(text);
    // A program of the Windows subsystem has a standard output only when its starter handed one
    // over (a redirection, a pipe).
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type =
        output && output != INVALID_HANDLE_VALUE ? ::GetFileType(output) : FILE_TYPE_UNKNOWN;
    DWORD written = 0;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
        ::WriteFile(output, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
        return;
    }
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE opened = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened != INVALID_HANDLE_VALUE) {
        ScopedKernelHandle console(opened);
        // The console shows UTF-16 whatever its code page: the text is converted from the
        // system code page the program works in.
        const int length = ::MultiByteToWideChar(CP_ACP, 0, lines.data(),
                                                 static_cast<int>(lines.size()), nullptr, 0);
        std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1);
        ::MultiByteToWideChar(CP_ACP, 0, lines.data(), static_cast<int>(lines.size()), wide.data(),
                              length);
        ::WriteConsoleW(console.Get(), wide.data(), static_cast<DWORD>(length), &written, nullptr);
    }
    ::FreeConsole();
}
