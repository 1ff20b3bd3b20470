// The utility's resources as Windows loads them: every text resource in English and Japanese,
// the artwork, and dialogs that really create with the controls the program binds.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "utility/monitor/picture_modes.h"
#include "utility/res/resource.h"

namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kLanguages[] = {kEnglish, kJapanese};

const char* LanguageName(WORD lang) {
    return lang == kEnglish ? "English" : "Japanese";
}

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

// ---- resource access ----------------------------------------------------------------------

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD lang, LONG_PTR param) {
    reinterpret_cast<std::set<WORD>*>(param)->insert(lang);
    return TRUE;
}

std::set<WORD> LanguagesOf(LPCSTR type, int id) {
    std::set<WORD> langs;
    EnumResourceLanguagesA(Module(), type, MAKEINTRESOURCEA(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&langs));
    return langs;
}

const void* ResourceData(LPCSTR type, int id, WORD lang, DWORD* size = nullptr) {
    HRSRC res = FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), lang);
    if (!res)
        return nullptr;
    if (size)
        *size = SizeofResource(Module(), res);
    return LockResource(LoadResource(Module(), res));
}

// A string of one language, read from its string-table block (16 counted strings per block).
std::optional<std::wstring> StringIn(WORD lang, UINT id) {
    auto* p = static_cast<const WCHAR*>(ResourceData(RT_STRING, id / 16 + 1, lang));
    if (!p)
        return std::nullopt;
    for (UINT i = 0; i < id % 16; ++i)
        p += *p + 1;
    if (*p == 0)
        return std::nullopt;
    return std::wstring(p + 1, *p);
}

std::string Narrow(const std::wstring& text, UINT codePage) {
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

INT_PTR CALLBACK TrivialDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

void PrepareClasses() {
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

Window HostWindow() {
    return Window(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                  nullptr, Module(), nullptr));
}

// Creates a dialog of one language from its template (Unicode windows, so Japanese texts keep
// their characters whatever the test machine's code page).
Window CreateDialogIn(int id, WORD lang, HWND parent) {
    PrepareClasses();
    auto* tmpl = static_cast<LPCDLGTEMPLATEW>(ResourceData(RT_DIALOG, id, lang));
    if (!tmpl)
        return nullptr;
    return Window(CreateDialogIndirectParamW(Module(), tmpl, parent, TrivialDialogProc, 0));
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    WCHAR text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        out.push_back(c);
    return out;
}

RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Is(HWND hwnd, const char* cls) {
    return lstrcmpiA(ClassOf(hwnd).c_str(), cls) == 0;
}

// The control's own visible style: its dialog is never shown in these tests.
bool HasVisibleStyle(HWND hwnd) {
    return GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE;
}

bool IsGroupBox(HWND hwnd) {
    return Is(hwnd, "Button") && (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The letter after a single '&', upper case, or 0.
WCHAR Mnemonic(const std::wstring& text) {
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

std::wstring WithoutMnemonic(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// ---- what the program relies on ----------------------------------------------------------

constexpr const char* kTrackbar = "msctls_trackbar32";

struct DialogSpec {
    const char* name;
    int id;
    bool page;        // child dialog inside the main window's tab control
    int firstControl; // first control in tab order (pages only)
    std::map<std::string, std::vector<int>> controls; // by window class
};

// clang-format off
const std::vector<DialogSpec>& Dialogs() {
    static const std::vector<DialogSpec> dialogs = {
        {"About", IDD_ABOUTBOX, false, 0,
         {{"Static", {IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT}}, {"Button", {IDOK}}}},
        {"Main", IDD_DIMORA_DIALOG, false, 0,
         {{"SysTabControl32", {IDC_TAB}}, {"Button", {IDC_CLOSE}}}},
        {"AutoVeltone", IDD_VTON, true, IDC_VTON_ACTIVATE,
         {{"Button", {IDC_VTON_ACTIVATE, IDC_VTON_REGISTER, IDC_VTON_DELETE, IDC_VTON_INDEPENDENT}},
          {"ComboBox", {IDC_VTON_APP_LIST, IDC_VTON_MODE_LIST, IDC_VTON_DEFAULT_LIST}},
          {"Static", {IDC_VTON_APP_CAPTION, IDC_VTON_MODE_CAPTION, IDC_HYPERLINK}}}},
        {"Color", IDD_COLOR, true, IDC_MONITOR_SELECT,
         {{"ComboBox", {IDC_MONITOR_SELECT, IDC_COLOR_MODE_LIST, IDC_COLOR_DATA_NAME}},
          {"Button", {IDC_COLOR_ADJUST, IDC_COLOR_REGISTER, IDC_COLOR_DELETE, IDC_COLOR_RESTORE}},
          {"Static", {IDC_COLOR_MODE_CAPTION, IDC_COLOR_PARAM_CAPTION, IDC_COLOR_DATA_CAPTION,
                      IDC_PAGE_PICTURE, IDC_HYPERLINK}}}},
        {"ColorAdjustment", IDD_COLOR_SUB, false, 0,
         {{kTrackbar, {IDC_SUB_TEMP_SLIDER, IDC_SUB_BRIGHTNESS_SLIDER, IDC_SUB_CONTRAST_SLIDER,
                       IDC_SUB_GAMMA_SLIDER, IDC_SUB_RED_SLIDER, IDC_SUB_GREEN_SLIDER,
                       IDC_SUB_BLUE_SLIDER}},
          {"Edit", {IDC_SUB_TEMP_VALUE, IDC_SUB_BRIGHTNESS_VALUE, IDC_SUB_CONTRAST_VALUE,
                    IDC_SUB_GAMMA_VALUE, IDC_SUB_RED_VALUE, IDC_SUB_GREEN_VALUE,
                    IDC_SUB_BLUE_VALUE}},
          {"Static", {IDC_SUB_TEMP_PICTURE, IDC_SUB_BRIGHTNESS_ICON, IDC_SUB_CONTRAST_ICON,
                      IDC_SUB_GAMMA_ICON, IDC_SUB_RED_ICON, IDC_SUB_GREEN_ICON, IDC_SUB_BLUE_ICON}},
          {"Button", {IDC_SUB_RESET, IDOK, IDCANCEL, IDC_SUB_TEMP_GROUP, IDC_SUB_BRIGHTNESS_GROUP,
                      IDC_SUB_CONTRAST_GROUP, IDC_SUB_GAMMA_GROUP, IDC_SUB_GAIN_GROUP}}}},
        {"MonitorList", IDD_MONITOR_LIST, false, 0,
         {{"Static", {IDC_MONLIST_HEADER, IDC_MONLIST_NOTE}}, {"ListBox", {IDC_MONLIST_LIST}},
          {"Button", {IDCANCEL}}}},
        {"Sound", IDD_SOUND, true, IDC_MONITOR_SELECT,
         {{"ComboBox", {IDC_MONITOR_SELECT}}, {kTrackbar, {IDC_SOUND_SLIDER}},
          {"Edit", {IDC_SOUND_VALUE}}, {"Button", {IDC_SOUND_RESET}},
          {"Static", {IDC_SOUND_CAPTION, IDC_PAGE_PICTURE, IDC_HYPERLINK}}}},
        {"EyeCare", IDD_EYECARE, false, 0,
         {{"ComboBox", {IDC_EYECARE_MONITOR}}, {"Edit", {IDC_EYECARE_HOURS}},
          {"msctls_updown32", {IDC_EYECARE_HOURS_SPIN}},
          {"Static", {IDC_EYECARE_HOURS_UNIT, IDC_EYECARE_INTERVAL}},
          {"Button", {IDC_EYECARE_POPUP, IDC_EYECARE_EDIT_MSG, IDOK, IDC_EYECARE_TARGET_GROUP,
                      IDC_EYECARE_REMINDER_GROUP}}}},
        {"EditMessage", IDD_EDIT_MSG, false, 0,
         {{"Static", {IDC_EDITMSG_CAPTION}}, {"Edit", {IDC_EDITMSG_TEXT}},
          {"Button", {IDOK, IDCANCEL}}}},
        {"EyeCareFilter", IDD_VSFILTER, false, 0,
         {{"ComboBox", {IDC_FILTER_IMAGE}},
          {"Edit", {IDC_FILTER_PATH, IDC_FILTER_ALPHA_VALUE, IDC_FILTER_LUM_VALUE}},
          {kTrackbar, {IDC_FILTER_ALPHA_SLIDER, IDC_FILTER_LUM_SLIDER}},
          {"Static", {IDC_FILTER_ALPHA_CAPTION, IDC_FILTER_LUM_CAPTION, IDC_FILTER_ALPHA_PERCENT}},
          {"Button", {IDC_FILTER_BROWSE, IDC_FILTER_RESTORE, IDOK, IDCANCEL,
                      IDC_FILTER_SELECT_GROUP, IDC_FILTER_ADJUST_GROUP}}}},
    };
    return dialogs;
}
// clang-format on

// Every string the program loads: its messages and texts, and the picture-mode names, which
// the picture-mode table refers to by id.
const std::vector<UINT>& StringIds() {
    static const std::vector<UINT> ids = [] {
        // clang-format off
        std::vector<UINT> out = {
            IDS_ABOUTBOX, IDS_TAB_VTON, IDS_TAB_COLOR, IDS_MONITOR, IDS_ASK_SAVE_MODE,
            IDS_ASK_DELETE_MODE, IDS_DELETE_MODE_FAILED, IDS_TRAY_ADD_FAILED, IDS_MUTEX_NAME,
            IDS_TAB_SOUND, IDS_VERSION, IDS_MONITOR_LIST_NOTE, IDS_DATA_OTHER_MODEL,
            IDS_KEEP_ON_TOP, IDS_ASK_DELETE_DATA, IDS_APPLIED_ONLY_TO, IDS_COPYRIGHT,
            IDS_FILTER_NONE, IDS_FILTER_IMAGE, IDS_FILTER_SELECT_FILE, IDS_PICTURE_FILES,
            IDS_PICTURE_DEFEXT, IDS_IMPORT_IMAGE_FAILED, IDS_IMPORT_FILE_FAILED,
            IDS_BALLOON_TITLE, IDS_REMINDER_MESSAGE, IDS_MAKER_URL, IDS_NAME_TOO_LONG};
        // clang-format on
        for (const PictureMode& mode : PictureModes())
            out.push_back(mode.nameId);
        return out;
    }();
    return ids;
}

// Printf conversions in a message, in order ("%s", "%d"); "%%" is not one.
std::wstring Conversions(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'%')
            continue;
        if (text[i + 1] != L'%')
            out += text[i + 1];
        ++i;
    }
    return out;
}

// ---- tests: text resources ----------------------------------------------------------------

TEST(UtilityResources, DialogsAndMenuExistInEnglishAndJapanese) {
    const std::set<WORD> both = {kEnglish, kJapanese};
    for (const DialogSpec& d : Dialogs())
        EXPECT_EQ(LanguagesOf(RT_DIALOG, d.id), both) << "dialog " << d.name;
    EXPECT_EQ(LanguagesOf(RT_MENU, IDR_TRAY_MENU), both) << "menu";
    for (UINT id : StringIds())
        EXPECT_EQ(LanguagesOf(RT_STRING, id / 16 + 1), both) << "string block of " << id;
}

TEST(UtilityResources, EveryStringIsPresentAndNotEmpty) {
    for (WORD lang : kLanguages) {
        for (UINT id : StringIds()) {
            std::optional<std::wstring> text = StringIn(lang, id);
            ASSERT_TRUE(text.has_value()) << LanguageName(lang) << " string " << id;
            EXPECT_FALSE(text->empty()) << LanguageName(lang) << " string " << id;
        }
    }
    EXPECT_EQ(StringIn(kEnglish, kBlankModeNameId), L" ");
    EXPECT_EQ(StringIn(kJapanese, kBlankModeNameId), L" ");
}

TEST(UtilityResources, TranslationsKeepArgumentsAndMarkers) {
    for (UINT id : StringIds()) {
        std::wstring en = *StringIn(kEnglish, id);
        std::wstring ja = *StringIn(kJapanese, id);
        EXPECT_EQ(Conversions(en), Conversions(ja)) << "string " << id;
        EXPECT_EQ(std::count(en.begin(), en.end(), L'\n'), std::count(ja.begin(), ja.end(), L'\n'))
            << "line breaks of string " << id;
    }
    EXPECT_EQ(Conversions(*StringIn(kEnglish, IDS_ASK_SAVE_MODE)), L"s");
    EXPECT_EQ(Conversions(*StringIn(kEnglish, IDS_FILTER_IMAGE)), L"d");
    // The model name replaces the one "0" of this message.
    for (WORD lang : kLanguages) {
        std::wstring text = *StringIn(lang, IDS_APPLIED_ONLY_TO);
        EXPECT_EQ(std::count(text.begin(), text.end(), L'0'), 1) << LanguageName(lang);
    }
}

TEST(UtilityResources, FileFilterHasTheSamePatternsInBothLanguages) {
    auto fields = [](const std::wstring& filter) {
        std::vector<std::wstring> out;
        size_t start = 0;
        for (size_t bar; (bar = filter.find(L'|', start)) != std::wstring::npos; start = bar + 1)
            out.push_back(filter.substr(start, bar - start));
        EXPECT_EQ(start, filter.size()) << "the filter ends with '|'";
        return out;
    };
    std::vector<std::wstring> en = fields(*StringIn(kEnglish, IDS_PICTURE_FILES));
    std::vector<std::wstring> ja = fields(*StringIn(kJapanese, IDS_PICTURE_FILES));
    ASSERT_EQ(en.size() % 2, 0u);
    ASSERT_EQ(en.size(), ja.size());
    for (size_t i = 1; i < en.size(); i += 2)
        EXPECT_EQ(en[i], ja[i]) << "pattern " << i / 2;
}

TEST(UtilityResources, TextsFitWhereTheProgramPutsThem) {
    // The mutex name is shared by every copy of the program, whatever its language.
    EXPECT_EQ(StringIn(kEnglish, IDS_MUTEX_NAME), L"Orvane Visomat");
    EXPECT_EQ(StringIn(kJapanese, IDS_MUTEX_NAME), L"Orvane Visomat");
    // Each language opens its own web site.
    EXPECT_NE(StringIn(kEnglish, IDS_MAKER_URL), StringIn(kJapanese, IDS_MAKER_URL));
    // The ANSI program hands these to the notification area's fixed-size fields: tip 128,
    // balloon title 64 and balloon text 256 bytes, terminator included. Japanese texts are
    // double-byte in code page 932.
    const std::pair<UINT, size_t> limits[] = {
        {IDS_VERSION, 127}, {IDS_BALLOON_TITLE, 63}, {IDS_REMINDER_MESSAGE, 255}};
    for (auto [id, limit] : limits) {
        EXPECT_LE(Narrow(*StringIn(kEnglish, id), 1252).size(), limit) << "string " << id;
        EXPECT_LE(Narrow(*StringIn(kJapanese, id), 932).size(), limit) << "string " << id;
    }
}

TEST(UtilityResources, TrayMenuHasTheTwoPopupsWithTheirCommands) {
    const std::vector<UINT> full = {ID_TRAY_SETTINGS,     0, ID_TRAY_EYECARE, 0, ID_TRAY_FILTER, 0,
                                    ID_TRAY_MONITOR_LIST, 0, ID_TRAY_EXIT};
    const std::vector<UINT> exitOnly = {ID_TRAY_EXIT};
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        auto* tmpl = ResourceData(RT_MENU, IDR_TRAY_MENU, lang);
        ASSERT_NE(tmpl, nullptr);
        HMENU menu = LoadMenuIndirectW(tmpl);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), 2);
        for (int popup = 0; popup < 2; ++popup) {
            HMENU sub = GetSubMenu(menu, popup);
            ASSERT_NE(sub, nullptr) << "pop-up " << popup;
            std::vector<UINT> ids;
            std::set<WCHAR> mnemonics;
            for (int i = 0; i < GetMenuItemCount(sub); ++i) {
                WCHAR text[128] = {};
                MENUITEMINFOW info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
                info.dwTypeData = text;
                info.cch = 128;
                GetMenuItemInfoW(sub, i, TRUE, &info);
                bool separator = info.fType & MFT_SEPARATOR;
                ids.push_back(separator ? 0 : info.wID);
                if (separator)
                    continue;
                WCHAR key = Mnemonic(text);
                EXPECT_NE(key, 0) << "item " << i << " of pop-up " << popup << " has no mnemonic";
                EXPECT_TRUE(mnemonics.insert(key).second) << "mnemonic used twice in " << popup;
            }
            EXPECT_EQ(ids, popup == 0 ? full : exitOnly) << "pop-up " << popup;
        }
        DestroyMenu(menu);
    }
}

// ---- tests: dialogs -----------------------------------------------------------------------

TEST(UtilityDialogs, CreateFromTheProgramsOwnLanguage) {
    // As the ANSI program does: the loader picks the template of the thread's language.
    PrepareClasses();
    Window host = HostWindow();
    for (const DialogSpec& d : Dialogs()) {
        HWND dialog = CreateDialogParamA(Module(), MAKEINTRESOURCEA(d.id),
                                         d.page ? host.get() : nullptr, TrivialDialogProc, 0);
        EXPECT_NE(dialog, nullptr) << d.name << " error " << GetLastError();
        if (dialog)
            DestroyWindow(dialog);
    }
}

TEST(UtilityDialogs, HaveTheControlsTheProgramBinds) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            for (const auto& [cls, ids] : d.controls) {
                for (int id : ids) {
                    HWND control = GetDlgItem(dialog.get(), id);
                    ASSERT_NE(control, nullptr) << "control " << id;
                    EXPECT_TRUE(Is(control, cls.c_str())) << id << " is " << ClassOf(control);
                }
            }
            // Pictures name bitmaps that exist.
            for (HWND c : Children(dialog.get())) {
                bool bitmap =
                    Is(c, "Static") && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
                if (bitmap) {
                    EXPECT_NE(SendMessageA(c, STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
                        << "picture " << GetDlgCtrlID(c);
                }
            }
        }
    }
}

TEST(UtilityDialogs, WindowKindsAndTabOrder) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        Window main = CreateDialogIn(IDD_DIMORA_DIALOG, lang, nullptr);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(HasVisibleStyle(main.get())) << "the main window starts hidden";
        EXPECT_EQ(ClassOf(main.get()), DIMORA_MAIN_CLASS);
        for (const DialogSpec& d : Dialogs()) {
            if (!d.page)
                continue;
            Window page = CreateDialogIn(d.id, lang, host.get());
            ASSERT_NE(page, nullptr) << d.name;
            LONG style = GetWindowLongA(page.get(), GWL_STYLE);
            EXPECT_TRUE(style & WS_CHILD) << d.name;
            EXPECT_FALSE(style & (WS_CAPTION | WS_VISIBLE)) << d.name;
            EXPECT_TRUE(GetWindowLongA(page.get(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT) << d.name;
            HWND first = GetNextDlgTabItem(page.get(), nullptr, FALSE);
            EXPECT_EQ(GetDlgCtrlID(first), d.firstControl) << d.name;
            // Alt+C belongs to the main window's Close button.
            for (HWND c : Children(page.get()))
                EXPECT_NE(Mnemonic(TextOf(c)), L'C') << d.name << " control " << GetDlgCtrlID(c);
        }
    }
}

TEST(UtilityDialogs, ControlStylesTheCodeDependsOn) {
    Window host = HostWindow();
    auto style = [](HWND dialog, int id) {
        return GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE);
    };
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        Window color = CreateDialogIn(IDD_COLOR, lang, host.get());
        Window vton = CreateDialogIn(IDD_VTON, lang, host.get());
        Window sub = CreateDialogIn(IDD_COLOR_SUB, lang, nullptr);
        Window list = CreateDialogIn(IDD_MONITOR_LIST, lang, nullptr);
        Window sound = CreateDialogIn(IDD_SOUND, lang, host.get());
        Window filter = CreateDialogIn(IDD_VSFILTER, lang, nullptr);
        ASSERT_TRUE(color && vton && sub && list && sound && filter);
        // The data name takes free text; the other lists only offer their items.
        EXPECT_EQ(style(color.get(), IDC_COLOR_DATA_NAME) & 3, CBS_DROPDOWN);
        EXPECT_EQ(style(color.get(), IDC_COLOR_MODE_LIST) & 3, CBS_DROPDOWNLIST);
        // Applications keep the order they were added in; monitor lines are sorted as text.
        EXPECT_FALSE(style(vton.get(), IDC_VTON_APP_LIST) & CBS_SORT);
        EXPECT_TRUE(style(list.get(), IDC_MONLIST_LIST) & LBS_SORT);
        // Value boxes only show what the sliders set.
        const std::pair<HWND, int> values[] = {
            {sub.get(), IDC_SUB_TEMP_VALUE},        {sub.get(), IDC_SUB_BRIGHTNESS_VALUE},
            {sub.get(), IDC_SUB_CONTRAST_VALUE},    {sub.get(), IDC_SUB_GAMMA_VALUE},
            {sub.get(), IDC_SUB_RED_VALUE},         {sub.get(), IDC_SUB_GREEN_VALUE},
            {sub.get(), IDC_SUB_BLUE_VALUE},        {sound.get(), IDC_SOUND_VALUE},
            {filter.get(), IDC_FILTER_ALPHA_VALUE}, {filter.get(), IDC_FILTER_LUM_VALUE}};
        for (auto [dialog, id] : values) {
            EXPECT_TRUE(style(dialog, id) & ES_READONLY) << "value box " << id;
            EXPECT_TRUE(style(dialog, id) & ES_CENTER) << "value box " << id;
        }
        // The dialog paints the temperature picture itself where this placeholder lies.
        EXPECT_FALSE(HasVisibleStyle(GetDlgItem(sub.get(), IDC_SUB_TEMP_PICTURE)));
    }
}

TEST(UtilityDialogs, JapaneseDialogsMirrorTheEnglishOnes) {
    Window host = HostWindow();
    for (const DialogSpec& d : Dialogs()) {
        Window en = CreateDialogIn(d.id, kEnglish, d.page ? host.get() : nullptr);
        Window ja = CreateDialogIn(d.id, kJapanese, d.page ? host.get() : nullptr);
        ASSERT_TRUE(en && ja) << d.name;
        auto shape = [](HWND dialog) {
            std::vector<std::pair<int, std::string>> out;
            for (HWND c : Children(dialog))
                out.emplace_back(GetDlgCtrlID(c), ClassOf(c));
            return out;
        };
        EXPECT_EQ(shape(en.get()), shape(ja.get())) << d.name << ": controls or tab order differ";
        auto mnemonics = [](HWND dialog) {
            std::vector<WCHAR> out;
            for (HWND c : Children(dialog))
                out.push_back(Mnemonic(TextOf(c)));
            return out;
        };
        EXPECT_EQ(mnemonics(en.get()), mnemonics(ja.get())) << d.name << ": access keys differ";
    }
}

TEST(UtilityDialogs, LayoutIsTidy) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            RECT client;
            GetClientRect(dialog.get(), &client);
            std::vector<HWND> placed;
            std::set<WCHAR> mnemonics;
            for (HWND c : Children(dialog.get())) {
                int id = GetDlgCtrlID(c);
                RECT r = RectInParent(c);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                            r.bottom <= client.bottom)
                    << "control " << id << " leaves the dialog";
                if (WCHAR key = Mnemonic(TextOf(c))) {
                    EXPECT_TRUE(mnemonics.insert(key).second) << "access key of " << id << " twice";
                }
                if (Is(c, "ComboBox")) {
                    RECT dropped;
                    SendMessageA(c, CB_GETDROPPEDCONTROLRECT, 0,
                                 reinterpret_cast<LPARAM>(&dropped));
                    LRESULT item = SendMessageA(c, CB_GETITEMHEIGHT, 0, 0);
                    EXPECT_GE(dropped.bottom - dropped.top, 5 * item) << "drop-down of " << id;
                }
                // Group boxes hold controls; an up-down control places itself over its buddy's
                // edge.
                if (HasVisibleStyle(c) && !IsGroupBox(c) && !Is(c, "msctls_updown32"))
                    placed.push_back(c);
            }
            for (size_t i = 0; i < placed.size(); ++i) {
                for (size_t j = i + 1; j < placed.size(); ++j) {
                    RECT a = RectInParent(placed[i]), b = RectInParent(placed[j]), both;
                    EXPECT_FALSE(IntersectRect(&both, &a, &b))
                        << "controls " << GetDlgCtrlID(placed[i]) << " and "
                        << GetDlgCtrlID(placed[j]) << " overlap";
                }
            }
        }
    }
}

// Width a control needs for its text, in pixels. English is measured with the dialog's font.
// Japanese fonts are rarely installed where the tests run, so Japanese texts are estimated from
// the dialog's base units: a full-width character is one em (the line height) wide, any other
// one average character.
int TextWidth(HWND control, WORD lang, const std::wstring& text) {
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

TEST(UtilityDialogs, TextsFitTheirControls) {
    Window host = HostWindow();
    for (WORD lang : kLanguages) {
        for (const DialogSpec& d : Dialogs()) {
            SCOPED_TRACE(std::string(d.name) + " " + LanguageName(lang));
            Window dialog = CreateDialogIn(d.id, lang, d.page ? host.get() : nullptr);
            ASSERT_NE(dialog, nullptr);
            for (HWND c : Children(dialog.get())) {
                std::wstring text = WithoutMnemonic(TextOf(c));
                LONG staticType = GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK;
                bool picture =
                    Is(c, "Static") && (staticType == SS_BITMAP || staticType == SS_ICON);
                if (text.empty() || picture || !(Is(c, "Static") || Is(c, "Button")))
                    continue;
                RECT r;
                GetClientRect(c, &r);
                int room = r.right;
                LONG type = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
                if (Is(c, "Button") && IsGroupBox(c))
                    room -= 16;
                else if (Is(c, "Button") && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
                    room -= GetSystemMetrics(SM_CXMENUCHECK) + 6;
                else if (Is(c, "Button"))
                    room -= 8;
                else if (r.bottom >= 24)
                    room *= r.bottom / 12; // a wrapping note has room for several lines
                EXPECT_LE(TextWidth(c, lang, text), room)
                    << "text of " << GetDlgCtrlID(c) << " does not fit";
            }
        }
    }
}

// ---- tests: artwork -----------------------------------------------------------------------

struct Bitmap {
    HBITMAP handle;
    BITMAP info;
};

Bitmap LoadBitmapResource(int id) {
    Bitmap b{static_cast<HBITMAP>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION)),
             {}};
    if (b.handle)
        GetObjectA(b.handle, sizeof b.info, &b.info);
    return b;
}

const int kAllBitmaps[] = {
    IDB_TEMP_USER,       IDB_TEMP_USER_256,
    IDB_TEMP_USER_OFF,   IDB_TEMP_USER_OFF_256,
    IDB_TEMP_PRESET,     IDB_TEMP_PRESET_256,
    IDB_TEMP_PRESET_OFF, IDB_TEMP_PRESET_OFF_256,
    IDB_BRIGHTNESS,      IDB_BRIGHTNESS_OFF,
    IDB_GAIN_BLUE,       IDB_GAMMA,
    IDB_GAIN_GREEN,      IDB_GAIN_OFF,
    IDB_GAMMA_OFF,       IDB_GAIN_RED,
    IDB_CONTRAST,        IDB_CONTRAST_OFF,
    IDB_PAGE_COLOR,      IDB_PAGE_COLOR_LARGE,
    IDB_PAGE_COLOR_SUB,  IDB_PAGE_COLOR_SUB_LARGE,
    IDB_PAGE_VTON,       IDB_PAGE_VTON_LARGE,
    IDB_PAGE_SOUND,      IDB_PAGE_SOUND_LARGE,
    IDB_PAGE_EYECARE,    IDB_PAGE_EYECARE_LARGE,
    IDB_PAGE_VSFILTER,   IDB_PAGE_VSFILTER_LARGE,
    IDB_PICTURE_MONITOR, IDB_PICTURE_SPEAKER,
};

TEST(UtilityArtwork, EveryPictureIsFoundInBothLanguages) {
    for (WORD lang : kLanguages) {
        SCOPED_TRACE(LanguageName(lang));
        for (int id : kAllBitmaps) {
            EXPECT_NE(ResourceData(RT_BITMAP, id, lang), nullptr) << "bitmap " << id;
            Bitmap b = LoadBitmapResource(id);
            EXPECT_NE(b.handle, nullptr) << "bitmap " << id;
            DeleteObject(b.handle);
        }
        for (int id : {IDR_MAINFRAME, IDI_GREY})
            EXPECT_NE(ResourceData(RT_GROUP_ICON, id, lang), nullptr) << "icon " << id;
        EXPECT_NE(ResourceData(RT_GROUP_CURSOR, IDC_LINK_HAND, lang), nullptr);
    }
}

TEST(UtilityArtwork, PageBackgroundsCoverTheirDialogsAtBothSizes) {
    const struct {
        int dialog, normal, large;
    } pairs[] = {
        {IDD_COLOR, IDB_PAGE_COLOR, IDB_PAGE_COLOR_LARGE},
        {IDD_COLOR_SUB, IDB_PAGE_COLOR_SUB, IDB_PAGE_COLOR_SUB_LARGE},
        {IDD_VTON, IDB_PAGE_VTON, IDB_PAGE_VTON_LARGE},
        {IDD_SOUND, IDB_PAGE_SOUND, IDB_PAGE_SOUND_LARGE},
        {IDD_EYECARE, IDB_PAGE_EYECARE, IDB_PAGE_EYECARE_LARGE},
        {IDD_VSFILTER, IDB_PAGE_VSFILTER, IDB_PAGE_VSFILTER_LARGE},
    };
    Window host = HostWindow();
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (const auto& p : pairs) {
        Bitmap normal = LoadBitmapResource(p.normal);
        Bitmap large = LoadBitmapResource(p.large);
        ASSERT_TRUE(normal.handle && large.handle) << p.normal;
        // Used unstretched as a tiled brush at 96 and 120 dpi: one tile must span the page.
        EXPECT_GE(large.info.bmHeight * 96, normal.info.bmHeight * 120) << p.large;
        for (WORD lang : kLanguages) {
            bool page = p.dialog == IDD_COLOR || p.dialog == IDD_VTON || p.dialog == IDD_SOUND;
            Window dialog = CreateDialogIn(p.dialog, lang, page ? host.get() : nullptr);
            RECT client;
            GetClientRect(dialog.get(), &client);
            EXPECT_GE(normal.info.bmHeight * dpi, client.bottom * 96)
                << "bitmap " << p.normal << " for " << LanguageName(lang);
        }
        DeleteObject(normal.handle);
        DeleteObject(large.handle);
    }
}

TEST(UtilityArtwork, TemperaturePicturesComeInFullAndReducedColour) {
    const int full[] = {IDB_TEMP_USER, IDB_TEMP_PRESET, IDB_TEMP_USER_OFF, IDB_TEMP_PRESET_OFF};
    const int reduced[] = {IDB_TEMP_USER_256, IDB_TEMP_PRESET_256, IDB_TEMP_USER_OFF_256,
                           IDB_TEMP_PRESET_OFF_256};
    Bitmap first = LoadBitmapResource(full[0]);
    for (int i = 0; i < 4; ++i) {
        Bitmap f = LoadBitmapResource(full[i]);
        Bitmap r = LoadBitmapResource(reduced[i]);
        EXPECT_GE(f.info.bmBitsPixel, 16) << full[i];
        EXPECT_LE(r.info.bmBitsPixel, 8) << reduced[i];
        EXPECT_EQ(f.info.bmWidth, first.info.bmWidth) << full[i];
        EXPECT_EQ(r.info.bmWidth, first.info.bmWidth) << reduced[i];
        EXPECT_EQ(r.info.bmHeight, first.info.bmHeight) << reduced[i];
        DeleteObject(f.handle);
        DeleteObject(r.handle);
    }
    DeleteObject(first.handle);
    // The pictures beside the sliders swap in place, so each pair has one size.
    const std::pair<int, int> swaps[] = {
        {IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF}, {IDB_CONTRAST, IDB_CONTRAST_OFF},
        {IDB_GAMMA, IDB_GAMMA_OFF},           {IDB_GAIN_RED, IDB_GAIN_OFF},
        {IDB_GAIN_GREEN, IDB_GAIN_OFF},       {IDB_GAIN_BLUE, IDB_GAIN_OFF}};
    for (auto [on, off] : swaps) {
        Bitmap a = LoadBitmapResource(on), b = LoadBitmapResource(off);
        EXPECT_EQ(a.info.bmWidth, b.info.bmWidth) << on;
        EXPECT_EQ(a.info.bmHeight, b.info.bmHeight) << on;
        DeleteObject(a.handle);
        DeleteObject(b.handle);
    }
}

// Largest difference between the colour channels of any opaque pixel of an icon.
int Saturation(HICON icon, int size) {
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

TEST(UtilityArtwork, ProgramIconsAtEverySizeColouredAndGrey) {
    for (int size : {16, 32, 48}) {
        HICON colour = static_cast<HICON>(
            LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        HICON grey = static_cast<HICON>(
            LoadImageA(Module(), MAKEINTRESOURCEA(IDI_GREY), IMAGE_ICON, size, size, 0));
        ASSERT_TRUE(colour && grey) << size;
        EXPECT_GT(Saturation(colour, size), 40) << "coloured icon at " << size;
        EXPECT_LE(Saturation(grey, size), 2) << "grey icon at " << size;
        DestroyIcon(colour);
        DestroyIcon(grey);
    }
}

TEST(UtilityArtwork, LinkCursorPointsFromItsFingerTip) {
    HCURSOR cursor = LoadCursorA(Module(), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    // The hot spot is the top of the finger: near the top edge, not the default centre.
    EXPECT_LT(info.yHotspot, 4u);
    EXPECT_LT(info.xHotspot, 16u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(UtilityResources, ManifestAndVersion) {
    DWORD size = 0;
    auto* manifest = static_cast<const char*>(
        ResourceData(MAKEINTRESOURCEA(24), 1, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), &size));
    ASSERT_NE(manifest, nullptr);
    std::string text(manifest, size);
    for (const char* needle : {"Microsoft.Windows.Common-Controls", "asInvoker", "dpiAware"})
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    EXPECT_NE(FindResourceA(Module(), MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION), nullptr);
}

} // namespace
