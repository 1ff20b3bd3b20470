#include "framework/res_language_win.h"

#include "framework/res_string_win.h"

namespace {

LANGID g_language = 0;

} // namespace

void SetResourceLanguage(LANGID language) {
    g_language = language;
    if (!language)
        return;
    // Windows 2000 has no thread user-interface language, and the framework serves programs
    // that start there too.
    const auto setThreadUiLanguage =
        reinterpret_cast<SetThreadUILanguageFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandle(TEXT("kernel32.dll")), "SetThreadUILanguage")));
    if (setThreadUiLanguage)
        setThreadUiLanguage(language);
}

LANGID ResourceLanguage() {
    return g_language;
}

HRSRC FindProgramResource(HINSTANCE module, LPCTSTR type, LPCTSTR name) {
    if (g_language) {
        if (const HRSRC found = ::FindResourceEx(module, type, name, g_language))
            return found;
    }
    return ::FindResource(module, name, type);
}

const void* ProgramResourceData(HINSTANCE module, HRSRC resource) {
    const HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    return loaded ? ::LockResource(loaded) : nullptr;
}

HMENU LoadResMenu(UINT id) {
    const HINSTANCE module = ResourceModule();
    const void* menu =
        ProgramResourceData(module, FindProgramResource(module, RT_MENU, MAKEINTRESOURCE(id)));
    return menu ? ::LoadMenuIndirect(menu) : nullptr;
}
