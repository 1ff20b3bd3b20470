// Test support for the utility's resources: reading them as Windows loads them (by language,
// from string-table blocks), dialogs created from one language's template, and the questions
// the resource tests ask of their windows, bitmaps and icons.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "utility/res/resource.h"

namespace resource_probe {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kLanguages[] = {kEnglish, kJapanese};

inline const char* LanguageName(WORD lang) {
    return lang == kEnglish ? "English" : "Japanese";
}

inline HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

// ---- resource access ----------------------------------------------------------------------

inline BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD lang, LONG_PTR param) {
    reinterpret_cast<std::set<WORD>*>(param)->insert(lang);
    return TRUE;
}

inline std::set<WORD> LanguagesOf(LPCSTR type, int id) {
    std::set<WORD> langs;
    EnumResourceLanguagesA(Module(), type, MAKEINTRESOURCEA(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&langs));
    return langs;
}

inline const void* ResourceData(LPCSTR type, int id, WORD lang, DWORD* size = nullptr) {
    HRSRC res = FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), lang);
    if (!res)
        return nullptr;
    if (size)
        *size = SizeofResource(Module(), res);
    return LockResource(LoadResource(Module(), res));
}

// A string of one language, read from its string-table block (16 counted strings per block).
inline std::optional<std::wstring> StringIn(WORD lang, UINT id) {
    auto* p = static_cast<const WCHAR*>(ResourceData(RT_STRING, id / 16 + 1, lang));
    if (!p)
        return std::nullopt;
    for (UINT i = 0; i < id % 16; ++i)
        p += *p + 1;
    if (*p == 0)
        return std::nullopt;
    return std::wstring(p + 1, *p);
}

inline std::string Narrow(const std::wstring& text, UINT codePage) {
    int n = WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

// ---- windows ------------------------------------------------------------------------------

struct WindowDeleter {
    void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

inline INT_PTR CALLBACK TrivialDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

inline void PrepareClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                             ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    // The main window's template names its own class: a dialog class as the program registers it.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = Module();
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = DIMORA_MAIN_CLASS;
    RegisterClassA(&wc);
}

inline Window HostWindow() {
    return Window(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                  nullptr, Module(), nullptr));
}

// Creates a dialog of one language from its template (Unicode windows, so Japanese texts keep
// their characters whatever the test machine's code page).
inline Window CreateDialogIn(int id, WORD lang, HWND parent) {
    PrepareClasses();
    auto* tmpl = static_cast<LPCDLGTEMPLATEW>(ResourceData(RT_DIALOG, id, lang));
    if (!tmpl)
        return nullptr;
    return Window(CreateDialogIndirectParamW(Module(), tmpl, parent, TrivialDialogProc, 0));
}

inline std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

inline std::wstring TextOf(HWND hwnd) {
    WCHAR text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

inline std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        out.push_back(c);
    return out;
}

inline RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline bool Is(HWND hwnd, const char* cls) {
    return lstrcmpiA(ClassOf(hwnd).c_str(), cls) == 0;
}

// The control's own visible style: its dialog is never shown in these tests.
inline bool HasVisibleStyle(HWND hwnd) {
    return GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE;
}

inline bool IsGroupBox(HWND hwnd) {
    return Is(hwnd, "Button") && (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The letter after a single '&', upper case, or 0.
inline WCHAR Mnemonic(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<WCHAR>(towupper(text[i + 1]));
    }
    return 0;
}

inline std::wstring WithoutMnemonic(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// Width a control needs for its text, in pixels. English is measured with the dialog's font.
// Japanese fonts are rarely installed where the tests run, so Japanese texts are estimated from
// the dialog's base units: a full-width character is one em (the line height) wide, any other
// one average character.
inline int TextWidth(HWND control, WORD lang, const std::wstring& text) {
    if (lang == kJapanese) {
        RECT unit{0, 0, 4, 8};
        MapDialogRect(GetParent(control), &unit);
        int width = 0;
        for (WCHAR ch : text)
            width += ch >= 0x2E80 ? unit.bottom : unit.right;
        return width;
    }
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

struct Bitmap {
    HBITMAP handle;
    BITMAP info;
};

inline Bitmap LoadBitmapResource(int id) {
    Bitmap b{static_cast<HBITMAP>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION)),
             {}};
    if (b.handle)
        GetObjectA(b.handle, sizeof b.info, &b.info);
    return b;
}

// Largest difference between the colour channels of any opaque pixel of an icon.
inline int Saturation(HICON icon, int size) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> px(size * size);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, size, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    int most = 0;
    for (const RGBQUAD& p : px) {
        if (p.rgbReserved < 128)
            continue;
        int hi = std::max({p.rgbRed, p.rgbGreen, p.rgbBlue});
        int lo = std::min({p.rgbRed, p.rgbGreen, p.rgbBlue});
        most = std::max(most, hi - lo);
    }
    return most;
}

} // namespace resource_probe
