#include "framework/res_string_win.h"

#include "framework/res_language_win.h"

#include <optional>

namespace {

// String `id` from the string-table block of the chosen language, converted as LoadString
// converts it (an 8-bit program gets it in the system code page); nothing when no language is
// chosen or the language has no such string. A block holds 16 counted strings; an absent one
// counts 0.
std::optional<TString> StringOfChosenLanguage(HINSTANCE module, UINT id) {
    if (!ResourceLanguage())
        return std::nullopt;
    const HRSRC block =
        ::FindResourceEx(module, RT_STRING, MAKEINTRESOURCE(id / 16 + 1), ResourceLanguage());
    const auto* entry = static_cast<const WCHAR*>(ProgramResourceData(module, block));
    if (!entry)
        return std::nullopt;
    for (UINT skipped = 0; skipped < id % 16; ++skipped)
        entry += *entry + 1;
    const int length = *entry;
    if (length == 0)
        return std::nullopt;
#ifdef UNICODE
    return TString(entry + 1, length);
#else
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, 0, entry + 1, length, nullptr, 0, nullptr, nullptr);
    TString text(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, entry + 1, length, text.data(), bytes, nullptr, nullptr);
    return text;
#endif
}

} // namespace

HINSTANCE ResourceModule() {
    return ::GetModuleHandle(nullptr);
}

TString LoadResString(UINT id, HINSTANCE module) {
    if (!module)
        module = ResourceModule();
    if (auto text = StringOfChosenLanguage(module, id))
        return *text;
    // LoadString cuts a text to the buffer and says only how much it copied, so a text that
    // fills the buffer may have been cut: try again with a larger one. Table texts are at most
    // 4097 characters long, which bounds the loop.
    TString text(256, TEXT('\0'));
    for (;;) {
        int copied = ::LoadString(module, id, text.data(), static_cast<int>(text.size()));
        if (copied <= 0)
            return TString();
        if (static_cast<std::size_t>(copied) + 1 < text.size() || text.size() > 8192) {
            text.resize(static_cast<std::size_t>(copied));
            return text;
        }
        text.resize(text.size() * 2);
    }
}
