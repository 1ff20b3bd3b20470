// The launcher's resources in both languages, as the program finds them: every string, dialog
// and skin bitmap exists in English and Japanese, the information file each language names, and
// the dialogs built from each language's template with their controls inside and apart.
#include "launcher/res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

const void* Resource(LPCWSTR type, UINT id, WORD language) {
    HRSRC found = ::FindResourceExW(nullptr, type, MAKEINTRESOURCEW(id), language);
    return found ? ::LockResource(::LoadResource(nullptr, found)) : nullptr;
}

// String `id` of one language's table; strings are stored 16 to a block, each counted.
std::wstring String(UINT id, WORD language) {
    const auto* text = static_cast<const WCHAR*>(Resource(RT_STRING, id / 16 + 1, language));
    if (!text)
        return L"<no block>";
    for (UINT i = 0; i < id % 16; ++i)
        text += 1 + *text;
    return std::wstring(text + 1, *text);
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog made from one language's template; destroyed with the object.
class TemplateDialog {
  public:
    TemplateDialog(UINT id, WORD language, HWND parent = nullptr) {
        const auto* dialog = static_cast<const DLGTEMPLATE*>(Resource(RT_DIALOG, id, language));
        if (dialog)
            m_window = ::CreateDialogIndirectParamW(nullptr, dialog, parent, &NoDialogProc, 0);
    }
    ~TemplateDialog() {
        if (m_window)
            ::DestroyWindow(m_window);
    }
    HWND Get() const { return m_window; }

    // Control `id`'s rectangle in the dialog's client coordinates; empty when it is missing.
    RECT Control(int id) const {
        RECT rect{};
        HWND control = ::GetDlgItem(m_window, id);
        if (!control)
            return rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    bool Inside(int id) const {
        RECT client{};
        ::GetClientRect(m_window, &client);
        const RECT rect = Control(id);
        return !::IsRectEmpty(&rect) && rect.left >= 0 && rect.top >= 0 &&
               rect.right <= client.right && rect.bottom <= client.bottom;
    }

  private:
    HWND m_window = nullptr;
};

bool Overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return ::IntersectRect(&common, &a, &b) != FALSE;
}

class LauncherResources : public testing::TestWithParam<WORD> {};

TEST_P(LauncherResources, EveryStringIsThere) {
    const WORD language = GetParam();
    for (UINT id = IDS_INFO_FILE; id <= IDS_UNINSTALL_OTHER; ++id)
        EXPECT_FALSE(String(id, language).empty()) << "string " << id;
    EXPECT_NE(String(IDS_MSI_REQUIRED, language).find(L"%s"), std::wstring::npos)
        << "the installer message takes the product's title";
    EXPECT_EQ(String(IDS_MSI_INSTALLER, language), L"Instmsi.exe");
}

TEST_P(LauncherResources, MainWindowHoldsTabAndExit) {
    TemplateDialog main(IDD_LAUNCHER_DIALOG, GetParam());
    ASSERT_NE(main.Get(), nullptr);
    EXPECT_TRUE(main.Inside(IDC_TAB));
    EXPECT_TRUE(main.Inside(IDC_EXIT));
    EXPECT_FALSE(Overlap(main.Control(IDC_TAB), main.Control(IDC_EXIT)));
    EXPECT_EQ(::GetWindowLongW(main.Get(), GWL_STYLE) & WS_VISIBLE, 0)
        << "shown only once it is ready";
}

TEST_P(LauncherResources, PagesHoldTheirControlsApart) {
    TemplateDialog host(IDD_LAUNCHER_DIALOG, GetParam());
    TemplateDialog items(IDD_COMMON, GetParam(), host.Get());
    ASSERT_NE(items.Get(), nullptr);
    EXPECT_NE(::GetWindowLongW(items.Get(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_TRUE(items.Inside(IDC_DESCRIPTION));
    for (int id = IDC_ITEM_FIRST; id <= IDC_ITEM_LAST; ++id) {
        EXPECT_TRUE(items.Inside(id)) << "link " << id;
        EXPECT_FALSE(Overlap(items.Control(id), items.Control(IDC_DESCRIPTION))) << "link " << id;
        if (id > IDC_ITEM_FIRST) {
            EXPECT_FALSE(Overlap(items.Control(id - 1), items.Control(id))) << "link " << id;
        }
    }
    TemplateDialog information(IDD_INFORMATION, GetParam(), host.Get());
    ASSERT_NE(information.Get(), nullptr);
    EXPECT_TRUE(information.Inside(IDC_DESCRIPTION));
    EXPECT_TRUE(information.Inside(IDC_INFO_LINK));
    EXPECT_FALSE(Overlap(information.Control(IDC_DESCRIPTION), information.Control(IDC_INFO_LINK)));
}

TEST_P(LauncherResources, SelectionDialogsHoldTheirControlsApart) {
    const WORD language = GetParam();
    TemplateDialog model(IDD_MODEL_SELECT, language);
    ASSERT_NE(model.Get(), nullptr);
    EXPECT_TRUE(model.Inside(IDC_MODEL_LIST));
    EXPECT_TRUE(model.Inside(IDC_MODEL_OK));
    // Top to bottom: English first in the English set, Japanese first in the Japanese set.
    const int first = language == kEnglish ? IDC_LANGUAGE_FIRST + 1 : IDC_LANGUAGE_FIRST;
    for (UINT id : {IDD_MODEL_LANGUAGE_SELECT, IDD_LANGUAGE_SELECT}) {
        TemplateDialog dialog(id, language);
        ASSERT_NE(dialog.Get(), nullptr) << id;
        EXPECT_EQ(dialog.Inside(IDC_MODEL_LIST), id == IDD_MODEL_LANGUAGE_SELECT) << id;
        for (int button = IDC_LANGUAGE_FIRST; button <= IDC_LANGUAGE_LAST; ++button) {
            EXPECT_TRUE(dialog.Inside(button)) << id << " " << button;
            EXPECT_FALSE(Overlap(dialog.Control(button), dialog.Control(IDC_MODEL_LIST)));
            if (button != first) {
                EXPECT_GT(dialog.Control(button).top, dialog.Control(first).top) << button;
            }
        }
    }
    TemplateDialog subItems(IDD_APP_PROC_SELECT, language);
    ASSERT_NE(subItems.Get(), nullptr);
    for (int id = IDC_SUB_ITEM_FIRST; id <= IDC_SUB_ITEM_LAST; ++id) {
        EXPECT_TRUE(subItems.Inside(id)) << id;
        if (id > IDC_SUB_ITEM_FIRST) {
            EXPECT_FALSE(Overlap(subItems.Control(id - 1), subItems.Control(id))) << id;
        }
    }
}

TEST_P(LauncherResources, SkinBitmapsForBothResolutions) {
    for (UINT id : {IDB_MAIN_SKIN, IDB_MAIN_SKIN_LARGE, IDB_PAGE_SKIN, IDB_PAGE_SKIN_LARGE,
                    IDB_INFO_SKIN, IDB_INFO_SKIN_LARGE})
        EXPECT_NE(Resource(RT_BITMAP, id, GetParam()), nullptr) << "bitmap " << id;
}

INSTANTIATE_TEST_SUITE_P(Languages, LauncherResources, testing::Values(kEnglish, kJapanese),
                         [](const testing::TestParamInfo<WORD>& info) {
                             return info.param == kEnglish ? "English" : "Japanese";
                         });

TEST(LauncherResources, EachLanguageNamesItsInformationFile) {
    EXPECT_EQ(String(IDS_INFO_FILE, kEnglish), L"\\LauncherInfo\\LauncherInfo_EN.xml");
    EXPECT_EQ(String(IDS_INFO_FILE, kJapanese), L"\\LauncherInfo\\LauncherInfo_JA.xml");
}

TEST(LauncherResources, IconAndHandCursorLoad) {
    EXPECT_NE(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)), nullptr);
    EXPECT_NE(::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND)), nullptr);
}

} // namespace
