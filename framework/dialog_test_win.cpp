// Dialogs from the test resources: message map and WindowProc order, reflection into subclassed
// controls, subclassing and its undoing, modal loops and their endings.
#include "framework/button_win.h"
#include "framework/dialog_win.h"
#include "framework/testing/framework_test_ids.h"
#include "framework/testing/test_support_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT kConsumedInWindowProc = WM_APP + 1;
constexpr UINT kPassedOn = WM_APP + 2;
constexpr UINT kEndWith = WM_APP + 3;

// A button that handles its own clicks, colour and notifications, as a link control would.
class SelfHandlingButton : public CButton {
  public:
    int clicks = 0;
    int notifications = 0;

  protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++clicks;
            return true;
        }
        if (message == WM_CTLCOLORBTN) {
            result = reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
            return true;
        }
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == NM_SETFOCUS) {
            ++notifications;
            result = 5;
            return true;
        }
        return false;
    }
};

class TestDialog : public CDialog {
  public:
    TestDialog() : CDialog(IDD_TEST_MODELESS) {}

    std::vector<std::string> order;
    std::vector<UINT> commands;
    std::vector<HWND> coloured;
    int okCount = 0;
    bool initialised = false;
    SelfHandlingButton selfHandling;

  protected:
    bool OnInitDialog() override {
        initialised = true;
        selfHandling.SubclassDlgItem(IDC_REFLECT_BUTTON, *this);
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kConsumedInWindowProc) {
            order.push_back("WindowProc");
            return 11;
        }
        if (message == kPassedOn)
            order.push_back("WindowProc");
        return CDialog::WindowProc(message, wParam, lParam);
    }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case kConsumedInWindowProc:
            order.push_back("OnMessage");
            return 33;
        case kPassedOn:
            order.push_back("OnMessage");
            return 22;
        default:
            return CDialog::OnMessage(message, wParam, lParam);
        }
    }
    bool OnCommand(UINT id, UINT code, HWND control) override {
        commands.push_back(id);
        return CDialog::OnCommand(id, code, control);
    }
    HBRUSH OnCtlColor(HDC, HWND control, UINT) override {
        coloured.push_back(control);
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }
    void OnOK() override { ++okCount; }
};

// A page created inside its parent's initialisation, as the main window creates its tab pages.
class ChildPage : public CDialog {
  public:
    ChildPage() : CDialog(IDD_TEST_CHILD) {}
    bool initialised = false;
    std::vector<UINT> commands;

  protected:
    bool OnInitDialog() override {
        initialised = true;
        return true;
    }
    bool OnCommand(UINT id, UINT code, HWND control) override {
        commands.push_back(id);
        return CDialog::OnCommand(id, code, control);
    }
};

class ParentWithPage : public CDialog {
  public:
    ParentWithPage() : CDialog(IDD_TEST_MODELESS) {}
    ChildPage page;
    bool pageCreated = false;

  protected:
    bool OnInitDialog() override {
        pageCreated = page.Create(GetDlgItem(IDC_TAB));
        return true;
    }
};

// A window of a class registered with the system's default procedure.
class PlainWindow : public CWnd {
  public:
    std::vector<UINT> firstMessages;
    bool destroyed = false;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (firstMessages.size() < 8)
            firstMessages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { destroyed = true; }
};

class DialogTest : public testing::Test {
  protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    bool Commanded(UINT id) const {
        return std::find(dialog.commands.begin(), dialog.commands.end(), id) !=
               dialog.commands.end();
    }

    TestDialog dialog;
};

TEST_F(DialogTest, ModelessDialogRunsItsInitialisationAndMessageMap) {
    HWND window = dialog.GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_TRUE(dialog.initialised);
    EXPECT_EQ(CWnd::FromHandle(window), &dialog);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "the template has no visible style";

    ::SendMessage(dialog.GetDlgItem(IDC_PLAIN_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(Commanded(IDC_PLAIN_BUTTON));
    ::SendMessage(dialog.GetDlgItem(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.okCount, 1) << "IDOK reaches OnOK through the command map";
}

TEST_F(DialogTest, WindowProcSeesMessagesBeforeTheMessageMap) {
    EXPECT_EQ(dialog.SendMessage(kConsumedInWindowProc), 11);
    EXPECT_EQ(dialog.order, (std::vector<std::string>{"WindowProc"}));

    dialog.order.clear();
    EXPECT_EQ(dialog.SendMessage(kPassedOn), 22);
    EXPECT_EQ(dialog.order, (std::vector<std::string>{"WindowProc", "OnMessage"}));
}

TEST_F(DialogTest, NotificationsReachTheSubclassedControlInsteadOfTheParent) {
    HWND own = dialog.GetDlgItem(IDC_REFLECT_BUTTON);
    HWND plain = dialog.GetDlgItem(IDC_PLAIN_BUTTON);
    ASSERT_EQ(dialog.selfHandling.GetSafeHwnd(), own);

    ::SendMessage(own, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.selfHandling.clicks, 1);
    EXPECT_FALSE(Commanded(IDC_REFLECT_BUTTON)) << "the control handled its own click";

    HDC dc = ::GetDC(dialog.GetSafeHwnd());
    EXPECT_EQ(dialog.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(own)),
              reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(dialog.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(plain)),
              reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));
    ::ReleaseDC(dialog.GetSafeHwnd(), dc);
    EXPECT_EQ(dialog.coloured, (std::vector<HWND>{plain}))
        << "the parent coloured only the plain one";

    NMHDR header{own, IDC_REFLECT_BUTTON, static_cast<UINT>(NM_SETFOCUS)};
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, IDC_REFLECT_BUTTON, reinterpret_cast<LPARAM>(&header)),
              5);
    EXPECT_EQ(dialog.selfHandling.notifications, 1);
}

TEST_F(DialogTest, SubclassingIsUndoneWhenTheWrapperGoesFirst) {
    HWND plain = dialog.GetDlgItem(IDC_PLAIN_BUTTON);
    LONG_PTR ownProcedure = ::GetWindowLongPtr(plain, GWLP_WNDPROC);
    {
        CButton wrapper;
        ASSERT_TRUE(wrapper.SubclassDlgItem(IDC_PLAIN_BUTTON, dialog));
        EXPECT_NE(::GetWindowLongPtr(plain, GWLP_WNDPROC), ownProcedure);
        CButton second;
        EXPECT_FALSE(second.SubclassWindow(plain)) << "a window has one wrapper";
    }
    EXPECT_EQ(::GetWindowLongPtr(plain, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(CWnd::FromHandle(plain), nullptr);
    ::SendMessage(plain, BM_CLICK, 0, 0);
    EXPECT_TRUE(Commanded(IDC_PLAIN_BUTTON)) << "the button still works";
}

TEST_F(DialogTest, WrappersForgetTheirWindowsWhenTheDialogIsDestroyed) {
    HWND window = dialog.GetSafeHwnd();
    HWND own = dialog.selfHandling.GetSafeHwnd();
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.selfHandling.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
    EXPECT_EQ(CWnd::FromHandle(own), nullptr);
    EXPECT_TRUE(dialog.Create(nullptr)) << "the object can make a new window";
}

TEST(Window, CreatedWindowsAreRoutedFromTheirFirstMessage) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProc;
    windowClass.hInstance = ::GetModuleHandle(nullptr);
    windowClass.lpszClassName = TEXT("FrameworkTestPlain");
    ::RegisterClass(&windowClass);

    PlainWindow window;
    RECT rect{0, 0, 100, 50};
    ASSERT_TRUE(
        window.CreateEx(0, TEXT("FrameworkTestPlain"), TEXT("plain"), WS_POPUP, rect, nullptr, 0));
    ASSERT_FALSE(window.firstMessages.empty());
    EXPECT_TRUE(std::find(window.firstMessages.begin(), window.firstMessages.end(),
                          static_cast<UINT>(WM_NCCREATE)) != window.firstMessages.end());
    EXPECT_EQ(window.GetWindowText(), TString(TEXT("plain")));
    HWND handle = window.GetSafeHwnd();
    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_TRUE(window.destroyed);
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
}

TEST(Window, PageCreatedDuringItsParentsCreationGetsItsOwnObject) {
    InitTestControls();
    ParentWithPage parent;
    ASSERT_TRUE(parent.Create(nullptr));
    ASSERT_TRUE(parent.pageCreated);
    HWND page = parent.page.GetSafeHwnd();
    EXPECT_TRUE(parent.page.initialised);
    EXPECT_EQ(CWnd::FromHandle(page), &parent.page);
    EXPECT_EQ(CWnd::FromHandle(parent.GetSafeHwnd()), &parent);
    EXPECT_EQ(::GetParent(page), parent.GetDlgItem(IDC_TAB));

    // The page's own controls report to the page, not to the dialog around it.
    ::SendMessage(parent.page.GetDlgItem(IDC_PLAIN_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(parent.page.commands, (std::vector<UINT>{IDC_PLAIN_BUTTON}));
    parent.DestroyWindow();
    EXPECT_EQ(parent.page.GetSafeHwnd(), nullptr);
}

// A message a modal dialog posts from its initialisation: keys go to its edit control, the end
// request to the dialog itself.
struct Post {
    UINT message;
    WPARAM wParam;
};

// A modal dialog that posts itself messages from its initialisation and records what it saw.
class ModalDialog : public CDialog {
  public:
    explicit ModalDialog(std::vector<Post> toPost) : CDialog(IDD_TEST_MODAL), m_toPost(toPost) {}

    HWND owner = nullptr;
    bool ownerEnabledMeanwhile = true;
    bool swallowReturn = false;
    int okCount = 0;

  protected:
    bool OnInitDialog() override {
        for (const Post& post : m_toPost) {
            HWND target = post.message == kEndWith ? m_hWnd : GetDlgItem(IDC_EDIT);
            ::PostMessage(target, post.message, post.wParam, 0);
        }
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kEndWith) {
            ownerEnabledMeanwhile = owner && ::IsWindowEnabled(owner);
            EndDialog(static_cast<INT_PTR>(wParam));
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    bool PreTranslateMessage(MSG& msg) override {
        if (swallowReturn && msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)
            return true;
        return CDialog::PreTranslateMessage(msg);
    }
    void OnOK() override {
        ++okCount;
        CDialog::OnOK();
    }

  private:
    std::vector<Post> m_toPost;
};

class ModalTest : public DialogTest {};

TEST_F(ModalTest, PostedMessageEndsTheDialogWithItsResult) {
    ModalDialog modal({Post{kEndWith, 42}});
    modal.owner = dialog.GetSafeHwnd();
    EXPECT_EQ(modal.DoModal(dialog.GetSafeHwnd()), 42);
    EXPECT_EQ(modal.GetSafeHwnd(), nullptr) << "the window is gone after DoModal";
    EXPECT_FALSE(modal.ownerEnabledMeanwhile) << "the owner is disabled while the dialog runs";
    EXPECT_TRUE(dialog.IsWindowEnabled()) << "and enabled again afterwards";
}

TEST_F(ModalTest, KeysGoThroughDialogNavigationAndPreTranslateMessage) {
    ModalDialog escaped({Post{WM_KEYDOWN, VK_ESCAPE}});
    EXPECT_EQ(escaped.DoModal(dialog.GetSafeHwnd()), IDCANCEL);

    ModalDialog entered({Post{WM_KEYDOWN, VK_RETURN}});
    EXPECT_EQ(entered.DoModal(dialog.GetSafeHwnd()), IDOK);
    EXPECT_EQ(entered.okCount, 1);

    ModalDialog swallowing({Post{WM_KEYDOWN, VK_RETURN}, Post{kEndWith, 7}});
    swallowing.swallowReturn = true;
    EXPECT_EQ(swallowing.DoModal(dialog.GetSafeHwnd()), 7);
    EXPECT_EQ(swallowing.okCount, 0) << "PreTranslateMessage kept Enter from the dialog";
}

TEST_F(ModalTest, MissingTemplateFailsWithoutALoop) {
    CDialog missing(4321);
    EXPECT_EQ(missing.DoModal(dialog.GetSafeHwnd()), -1);
    EXPECT_FALSE(missing.Create(nullptr));
    EXPECT_TRUE(dialog.IsWindowEnabled());
}

TEST_F(ModalTest, QuitMessageEndsTheLoopAndIsPostedAgain) {
    ModalDialog modal({});
    ::PostQuitMessage(3);
    EXPECT_EQ(modal.DoModal(dialog.GetSafeHwnd()), -1);
    MSG msg{};
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
