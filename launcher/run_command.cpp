#include "launcher/run_command.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring SkipBlanks(const std::wstring& text, std::size_t from) {
    while (from < text.size() && IsBlank(text[from]))
        ++from;
    return text.substr(from < text.size() ? from : text.size());
}

// The name as CreateProcess looks for it: ".exe" added when the file name has no extension.
std::wstring WithExtension(const std::wstring& name) {
    const std::size_t dot = name.rfind(L'.');
    const std::size_t slash = name.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return name + L".exe";
    return name;
}

} // namespace

RunCommand SplitRunCommand(const std::wstring& line,
                           const std::function<bool(const std::wstring&)>& exists) {
    const std::wstring text = SkipBlanks(line, 0);
    if (!text.empty() && text.front() == L'"') {
        const std::size_t close = text.find(L'"', 1);
        if (close == std::wstring::npos)
            return {text.substr(1), {}};
        return {text.substr(1, close - 1), SkipBlanks(text, close + 1)};
    }
    for (std::size_t blank = text.find_first_of(L" \t"); blank != std::wstring::npos;
         blank = text.find_first_of(L" \t", blank + 1)) {
        const std::wstring candidate = WithExtension(text.substr(0, blank));
        if (exists(candidate))
            return {candidate, SkipBlanks(text, blank)};
    }
    const std::size_t end = text.find_last_not_of(L" \t");
    return {text.substr(0, end == std::wstring::npos ? 0 : end + 1), {}};
}
