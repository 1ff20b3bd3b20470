// The utility's texts in a language the system's code page can show. The program keeps its texts
// in that code page, so Japanese is shown only where the display language is Japanese and the
// code page 932; elsewhere English, and never a "?" for a character the code page lacks. CTest
// runs this also with a Japanese display language over code page 1252 and in Japanese
// (utility/CMakeLists.txt); DIMORA_EXPECT_LOCALE then names the code page and display language
// the run must have, so that a missing locale fails instead of passing in English.
#include "utility/process_tests/testing/utility_process_win.h"
#include "utility/res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace utility_process;

std::wstring WideText(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

BOOL CALLBACK CollectText(HWND window, LPARAM data) {
    reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(WideText(window));
    return TRUE;
}

// The caption and the text of every descendant of `window`, and the lines of its list box `list`.
std::vector<std::wstring> TextsOf(HWND window, int list = 0) {
    std::vector<std::wstring> texts{WideText(window)};
    ::EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    const HWND box = list ? ::GetDlgItem(window, list) : nullptr;
    for (int i = 0; box && i < static_cast<int>(::SendMessageW(box, LB_GETCOUNT, 0, 0)); ++i) {
        wchar_t line[256] = {};
        ::SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
        texts.push_back(line);
    }
    return texts;
}

TEST(UtilityLanguage, TextsComeInALanguageTheCodePageCanShow) {
    const unsigned codePage = ::GetACP();
    const unsigned display = ::GetUserDefaultUILanguage();
    if (const char* expected = std::getenv("DIMORA_EXPECT_LOCALE")) {
        char locale[32] = {};
        std::snprintf(locale, sizeof locale, "%u:%04x", codePage, display);
        ASSERT_STREQ(locale, expected)
            << "this Wine run lacks its locale (scripts/setup.sh makes it)";
    }
    const bool japanese = codePage == 932 && PRIMARYLANGID(display) == LANG_JAPANESE;

    Utility utility("dual.txt");
    const HWND main = utility.Main();
    ASSERT_NE(main, nullptr);
    ::PostMessageA(main, WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    const HWND list = DialogWith(main, IDC_MONLIST_LIST);
    ASSERT_NE(list, nullptr);

    // A text of a dialog template and one of the string table.
    EXPECT_EQ(WideText(AnyControl(main, IDC_VTON_ACTIVATE)),
              japanese ? L"Auto Veltone を有効にする(&A)" : L"Activate &Auto Veltone");
    std::vector<std::wstring> lines = TextsOf(list, IDC_MONLIST_LIST);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines.back().find(japanese ? L"モニター1-2" : L"Monitor1-2"), std::wstring::npos)
        << "the list's last line";

    std::vector<std::wstring> texts = TextsOf(main);
    texts.insert(texts.end(), lines.begin(), lines.end());
    for (const std::wstring& text : texts)
        EXPECT_EQ(text.find(L'?'), std::wstring::npos)
            << "a character the code page lacks: " << testing::PrintToString(text);
    Click(list, IDCANCEL);
    WaitGone(list);
    EXPECT_EQ(utility.Exit(), 0u);
}

} // namespace
