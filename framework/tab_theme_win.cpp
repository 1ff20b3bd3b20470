#include "framework/tab_theme_win.h"

#include "framework/system_library_win.h"

void UnthemeTabControl(HWND tab) {
    const ScopedLibrary theme = LoadSystemLibrary(L"uxtheme.dll");
    if (!theme)
        return;
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(::GetProcAddress(theme.Get(), "SetWindowTheme")));
    // No theme defines the sub-id list "IDC_TAB", so the control falls back to the classic look.
    if (setTheme)
        setTheme(tab, nullptr, L"IDC_TAB");
}
