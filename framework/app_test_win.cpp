// The application object: start-up, the message loop with pre-translation, and the end of the
// loop when the main window is destroyed.
#include "framework/app_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "framework/res_language_win.h"
#include "framework/res_string_win.h"
#include "framework/testing/framework_test_ids.h"
#include "framework/testing/test_support_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kCloseMain = WM_APP + 10;

// A main window that deletes itself when its window is gone, as the utility's main window does,
// and notes the keys it sees before they are dispatched to its controls.
class MainDialog : public CDialog {
  public:
    MainDialog(bool& deleted, std::vector<HWND>& keyTargets)
        : CDialog(IDD_TEST_MODELESS), m_deleted(deleted), m_keyTargets(keyTargets) {}

    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN && msg.wParam == 'Q') {
            m_keyTargets.push_back(msg.hwnd);
            return true;
        }
        return CDialog::PreTranslateMessage(msg);
    }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kCloseMain) {
            DestroyWindow();
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        m_deleted = true;
        delete this;
    }

  private:
    bool& m_deleted;
    std::vector<HWND>& m_keyTargets;
};

class TestApp : public CWinAppLite {
  public:
    explicit TestApp(bool startUp) : m_startUp(startUp) {}

    bool mainDeleted = false;
    bool exited = false;
    HWND edit = nullptr;
    std::vector<HWND> keyTargets;

    bool InitInstance() override {
        if (!m_startUp)
            return false;
        auto* main = new MainDialog(mainDeleted, keyTargets);
        if (!main->Create(nullptr)) {
            delete main;
            return false;
        }
        m_pMainWnd = main;
        edit = main->GetDlgItem(IDC_EDIT);
        ::PostMessage(edit, WM_KEYDOWN, 'Q', 0);
        main->PostMessage(kCloseMain);
        return true;
    }
    int ExitInstance() override {
        exited = true;
        return CWinAppLite::ExitInstance() + 100;
    }

  private:
    bool m_startUp;
};

TEST(Application, LoopEndsWhenTheMainWindowIsDestroyed) {
    InitTestControls();
    TestApp app(true);
    ASSERT_EQ(CWinAppLite::Current(), &app);
    EXPECT_EQ(app.Main(), 100);
    EXPECT_TRUE(app.mainDeleted);
    EXPECT_TRUE(app.exited);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.keyTargets, (std::vector<HWND>{app.edit}))
        << "the main window saw its control's key before dispatch";
}

TEST(Application, FailedStartUpSkipsTheLoopButNotExitInstance) {
    TestApp app(false);
    ::PostQuitMessage(5);
    EXPECT_EQ(app.Main(), 100) << "the quit message was not taken by a loop";
    EXPECT_TRUE(app.exited);
    MSG msg{};
    EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Strings, LoadedByIdInFull) {
    EXPECT_EQ(LoadResString(IDS_PLAIN), TString(TEXT("Framework")));
    TString longText = LoadResString(IDS_LONG);
    ASSERT_EQ(longText.size(), 300u) << "not cut at a buffer size";
    EXPECT_EQ(longText.substr(295), TString(TEXT("56789")));
    EXPECT_TRUE(LoadResString(IDS_MISSING).empty());
}

// A chosen language rules over the loader's pick for dialogs, menus and strings alike; a
// resource the language lacks comes as the loader picks it.
TEST(Strings, DialogsMenusAndStringsFollowTheChosenLanguage) {
    const struct {
        LANGID language;
        const TCHAR* text;
    } cases[] = {
        {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), TEXT("Japanese")},
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), TEXT("English")},
    };
    struct ChoiceUndone {
        ~ChoiceUndone() { SetResourceLanguage(0); }
    } undone;
    for (const auto& c : cases) {
        SetResourceLanguage(c.language);
        EXPECT_EQ(LoadResString(IDS_LANGUAGE), TString(c.text)) << c.text;
        EXPECT_EQ(LoadResString(IDS_PLAIN), TString(TEXT("Framework"))) << "English only";
        CDialog page(IDD_TEST_LANGUAGE);
        ASSERT_TRUE(page.Create(nullptr)) << c.text;
        TCHAR text[32] = {};
        ::GetDlgItemText(page.GetSafeHwnd(), IDC_PLAIN_BUTTON, text, 32);
        EXPECT_EQ(TString(text), TString(c.text)) << "dialog";
        page.DestroyWindow();
        ScopedMenu menu(LoadResMenu(IDR_TEST_MENU));
        ASSERT_TRUE(menu) << c.text;
        ::GetMenuString(::GetSubMenu(menu.Get(), 0), ID_TEST_ITEM, text, 32, MF_BYCOMMAND);
        EXPECT_EQ(TString(text), TString(c.text)) << "menu";
    }
}

TEST(Strings, NonAsciiTexts) {
#ifdef UNICODE
    EXPECT_EQ(LoadResString(IDS_JAPANESE), std::wstring(L"\u30e2\u30cb\u30bf\u30fc"));
    EXPECT_EQ(LoadResString(IDS_LATIN), std::wstring(L"Gr\u00fc\u00dfe"));
#else
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the test's Latin text needs code page 1252";
    EXPECT_EQ(LoadResString(IDS_LATIN), std::string("Gr\xfc\xdf"
                                                    "e"));
#endif
}

} // namespace
