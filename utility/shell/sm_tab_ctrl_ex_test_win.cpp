// CSMTabCtrlEx on a test page: the selected tab's fill and bar, and the redraw request to the
// parent when the tabs scroll.
#include "framework/dialog_win.h"
#include "framework/message_loop_win.h"
#include "utility/shell/sm_tab_ctrl_ex_win.h"
#include "utility/ui/testing/controls_test_ids.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

namespace {

class TabPage : public CDialog {
  public:
    TabPage() : CDialog(IDD_TEST_PAGE) {}
    CSMTabCtrlEx tab;
    int redrawRequests = 0;

  protected:
    bool OnInitDialog() override {
        tab.SubclassDlgItem(IDC_TEST_TAB, *this);
        tab.InsertItem(0, "Auto Veltone");
        tab.InsertItem(1, "Color Adjustment");
        tab.InsertItem(2, "Sound");
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TAB_REDRAW) {
            ++redrawRequests;
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class SMTabCtrlExTest : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(page.Create(nullptr));
    }
    void TearDown() override { page.DestroyWindow(); }

    COLORREF PixelAt(int x, int y) {
        HDC dc = ::GetDC(page.tab.GetSafeHwnd());
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(page.tab.GetSafeHwnd(), dc);
        return colour;
    }

    TabPage page;
};

TEST_F(SMTabCtrlExTest, ScrollingPostsARedrawRequestToTheParent) {
    page.tab.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    EXPECT_EQ(page.redrawRequests, 0) << "posted, not sent";
    PumpWaitingMessages();
    EXPECT_EQ(page.redrawRequests, 1);
    EXPECT_EQ(page.tab.SendMessage(WM_ERASEBKGND, 0, 0), TRUE);
}

TEST_F(SMTabCtrlExTest, SelectedTabGetsTheLightFillAndTheTopBar) {
    page.ShowWindow(SW_SHOWNOACTIVATE);
    page.tab.SetCurSel(1);
    ::RedrawWindow(page.tab.GetSafeHwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT selected{};
    RECT other{};
    ASSERT_TRUE(page.tab.GetItemRect(1, selected));
    ASSERT_TRUE(page.tab.GetItemRect(2, other));
    int middle = (selected.top + selected.bottom) / 2;

    EXPECT_EQ(PixelAt(selected.left + 2, middle), RGB(245, 245, 241));
    EXPECT_EQ(PixelAt(selected.left + 3, selected.top - 1), RGB(245, 199, 60));
    EXPECT_EQ(PixelAt(selected.right - 1, selected.top - 2), RGB(245, 199, 60));
    EXPECT_NE(PixelAt(other.left + 2, (other.top + other.bottom) / 2), RGB(245, 245, 241))
        << "the other tabs keep the default look";
}

} // namespace
