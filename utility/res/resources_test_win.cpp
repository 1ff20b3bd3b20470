// The utility's text resources as Windows loads them: every dialog, menu and string in English and
// Japanese, the translations' arguments, the notification menu, the manifest and version.
#include "utility/res/testing/resource_probe_win.h"
#include "utility/res/testing/resource_tables_win.h"

#include "utility/monitor/picture_mode_names.h"

#include <gtest/gtest.h>

namespace {

using namespace resource_probe;
using namespace resource_tables;

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
    // The command line and the support tool name the modes as the English table does.
    for (int mode = 0; mode < kPictureModeCount; ++mode) {
        const UINT id = PictureModes()[static_cast<std::size_t>(mode)].nameId;
        const std::string english =
            id == kBlankModeNameId ? "" : Narrow(*StringIn(kEnglish, id), 1252);
        EXPECT_EQ(EnglishModeName(mode), english) << "mode " << mode;
    }
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
    const std::vector<UINT> full = {ID_TRAY_SETTINGS, 0, ID_TRAY_EYECARE,      0, ID_TRAY_FILTER,
                                    ID_TRAY_HOTKEYS,  0, ID_TRAY_MONITOR_LIST, 0, ID_TRAY_EXIT};
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

TEST(UtilityResources, ManifestAndVersion) {
    DWORD size = 0;
    auto* manifest = static_cast<const char*>(
        ResourceData(MAKEINTRESOURCEA(24), 1, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), &size));
    ASSERT_NE(manifest, nullptr);
    std::string text(manifest, size);
    for (const char* needle : {"Microsoft.Windows.Common-Controls", "asInvoker", "dpiAware"})
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    // One version everywhere: the build's, in the manifest, the version line of both languages
    // and the version resource.
    const std::string version = DIMORA_VERSION;
    EXPECT_NE(text.find("DimoraDdcci\" version=\"" + version + ".0\""), std::string::npos);
    const std::wstring line =
        L"Visomat (DDC/CI) Ver" + std::wstring(version.begin(), version.end());
    EXPECT_EQ(StringIn(kEnglish, IDS_VERSION), line);
    EXPECT_EQ(StringIn(kJapanese, IDS_VERSION), line);
    const auto* info = static_cast<const BYTE*>(ResourceData(
        RT_VERSION, VS_VERSION_INFO, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), &size));
    ASSERT_NE(info, nullptr);
    // The version functions read a copy, as GetFileVersionInfo gives it.
    std::vector<BYTE> block(info, info + size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string fileVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(fileVersion, version);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
}

} // namespace
