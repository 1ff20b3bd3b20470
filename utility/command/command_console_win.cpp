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

// A console shows UTF-16 whatever its code page: the text is converted from the system code
// page the program works in.
void WriteToConsole(HANDLE console, const std::string& lines) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, lines.data(), static_cast<int>(lines.size()), nullptr, 0);
    if (length <= 0)
        return;
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, lines.data(), static_cast<int>(lines.size()), wide.data(),
                          length);
    DWORD written = 0;
    ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(length), &written, nullptr);
}

// Writes to a handed-over handle; false when there is none.
bool WriteToHandle(DWORD which, const std::string& lines) {
    const HANDLE handle = ::GetStdHandle(which);
    if (!handle || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        WriteToConsole(handle, lines);
    } else {
        DWORD written = 0;
        ::WriteFile(handle, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    }
    return true;
}

} // namespace

void WriteCommandOutput(const CommandAnswer& answer) {
    const std::string results = WithCarriageReturns(answer.text);
    const std::string errors = WithCarriageReturns(answer.errors);
    // A program of the Windows subsystem has standard handles only when its starter handed them
    // over (a redirection, a pipe); what has none goes to the parent's console.
    const bool resultsWritten = results.empty() || WriteToHandle(STD_OUTPUT_HANDLE, results);
    const bool errorsWritten = errors.empty() || WriteToHandle(STD_ERROR_HANDLE, errors);
    if ((resultsWritten && errorsWritten) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE opened = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened != INVALID_HANDLE_VALUE) {
        ScopedKernelHandle console(opened);
        if (!resultsWritten)
            WriteToConsole(console.Get(), results);
        if (!errorsWritten)
            WriteToConsole(console.Get(), errors);
    }
    ::FreeConsole();
}
