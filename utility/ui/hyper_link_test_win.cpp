// CHyperLink on a test page: text and font from the subclassing, hover colours through the
// reflected control colour, the mouse capture while hovered, the link cursor, and the click that
// opens the address.
#include "framework/dialog_win.h"
#include "framework/message_loop_win.h"
#include "framework/res_string_win.h"
#include "utility/ui/hyper_link_win.h"
#include "utility/ui/testing/controls_test_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the addresses it would open instead of starting a browser, and counts how often it
// lost the mouse capture.
class RecordingLink : public CHyperLink {
  public:
    std::vector<std::string> opened;
    int captureLosses = 0;

  protected:
    void OpenUrl(const std::string& url) override { opened.push_back(url); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CAPTURECHANGED)
            ++captureLosses;
        return CHyperLink::OnMessage(message, wParam, lParam);
    }
};

class LinkPage : public CDialog {
  public:
    LinkPage() : CDialog(IDD_TEST_PAGE) {}
    RecordingLink link;

  protected:
    bool OnInitDialog() override {
        link.SubclassDlgItem(IDC_TEST_LINK, *this);
        return true;
    }
};

// What the page's control-colour request leaves in a device context.
struct LinkColours {
    COLORREF text;
    int backgroundMode;
    LRESULT brush;
};

class HyperLinkTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(page.Create(nullptr));
        page.ShowWindow(SW_SHOWNOACTIVATE);
        link = page.link.GetSafeHwnd();
        ASSERT_NE(link, nullptr);
    }
    void TearDown() override { page.DestroyWindow(); }

    LinkColours Colours() {
        HDC dc = ::GetDC(link);
        LRESULT brush = page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(link));
        LinkColours colours{::GetTextColor(dc), ::GetBkMode(dc), brush};
        ::ReleaseDC(link, dc);
        return colours;
    }
    void MoveTo(int x, int y) {
        ::SendMessage(link, WM_MOUSEMOVE, 0,
                      MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                                 static_cast<WORD>(static_cast<SHORT>(y))));
    }

    LinkPage page;
    HWND link = nullptr;
    const COLORREF blue = RGB(23, 70, 184);
    const COLORREF red = RGB(255, 0, 0);
};

TEST_F(HyperLinkTest, ShowsTheAddressOfString245Underlined) {
    std::string url = LoadResString(245);
    ASSERT_EQ(url, "https://www.example.com/dimora/");
    EXPECT_EQ(page.link.GetWindowText(), url);
    EXPECT_EQ(page.link.Url(), url);
    EXPECT_TRUE(page.link.GetStyle() & SS_NOTIFY) << "the static reports clicks";

    LOGFONTA linkFont{};
    LOGFONTA pageFont{};
    ASSERT_TRUE(::GetObjectA(page.link.GetFont(), sizeof(linkFont), &linkFont));
    ASSERT_TRUE(::GetObjectA(page.GetFont(), sizeof(pageFont), &pageFont));
    EXPECT_TRUE(linkFont.lfUnderline);
    EXPECT_EQ(linkFont.lfHeight, pageFont.lfHeight);
    EXPECT_STREQ(linkFont.lfFaceName, pageFont.lfFaceName);
}

TEST_F(HyperLinkTest, TurnsRedWhileTheMouseIsOverIt) {
    LinkColours normal = Colours();
    EXPECT_EQ(normal.text, blue);
    EXPECT_EQ(normal.backgroundMode, TRANSPARENT);
    EXPECT_EQ(normal.brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));

    MoveTo(2, 2);
    EXPECT_EQ(Colours().text, red);
    EXPECT_EQ(::GetCapture(), link) << "captured to see the mouse leave";
    MoveTo(3, 3);
    EXPECT_EQ(Colours().text, red);
    EXPECT_EQ(page.link.captureLosses, 0) << "a move while hovered keeps the capture it holds";

    MoveTo(-4, 2);
    EXPECT_EQ(Colours().text, blue);
    EXPECT_EQ(::GetCapture(), nullptr);
    RECT client = page.link.GetClientRect();
    MoveTo(client.right + 5, 1);
    EXPECT_EQ(Colours().text, red) << "a move while not hovered counts as entering";
    MoveTo(client.right + 5, 1);
    EXPECT_EQ(Colours().text, blue);
}

TEST_F(HyperLinkTest, ClickOpensTheAddressOnceAndEndsTheHover) {
    MoveTo(2, 2);
    ::SendMessage(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessage(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpWaitingMessages();
    EXPECT_EQ(page.link.opened, (std::vector<std::string>{page.link.Url()}));
    EXPECT_EQ(Colours().text, blue);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HyperLinkTest, ShowsTheLinkCursorOverItself) {
    HCURSOR linkCursor = ::LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(294));
    ASSERT_NE(linkCursor, nullptr);
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(::SendMessage(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(::GetCursor(), linkCursor);
}

} // namespace
