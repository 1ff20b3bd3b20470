// The control wrappers against the real controls of a test dialog: what goes in comes back out,
// including texts longer than a typical fixed buffer.
#include "framework/button_win.h"
#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/edit_win.h"
#include "framework/list_box_win.h"
#include "framework/slider_win.h"
#include "framework/spin_button_win.h"
#include "framework/static_win.h"
#include "framework/tab_ctrl_win.h"
#include "framework/testing/framework_test_ids.h"
#include "framework/testing/test_support_win.h"

#include <gtest/gtest.h>

namespace {

class ControlsTest : public testing::Test {
  protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    template <typename Control> void Bind(Control& control, int id) {
        ASSERT_TRUE(control.SubclassDlgItem(id, dialog));
    }

    CDialog dialog{IDD_TEST_MODELESS};
    const TString longText = TString(600, TEXT('x')) + TEXT("end");
};

TEST_F(ControlsTest, ComboBoxAndListBoxKeepTextsAndData) {
    CComboBox combo;
    Bind(combo, IDC_COMBO);
    EXPECT_EQ(combo.AddString(TEXT("first")), 0);
    EXPECT_EQ(combo.AddString(longText.c_str()), 1);
    EXPECT_EQ(combo.InsertString(0, TEXT("zero")), 0);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetLBText(2), longText);
    EXPECT_TRUE(combo.GetLBText(7).empty());
    combo.SetItemData(1, 0x1234);
    EXPECT_EQ(combo.GetItemData(1), 0x1234u);
    EXPECT_EQ(combo.FindStringExact(-1, TEXT("FIRST")), 1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.SetCurSel(2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.GetWindowText(), longText);

    CListBox list;
    Bind(list, IDC_LIST);
    list.AddString(TEXT("a"));
    list.AddString(longText.c_str());
    EXPECT_EQ(list.GetText(1), longText);
    EXPECT_EQ(list.DeleteString(0), 1);
    EXPECT_EQ(list.GetText(0), longText);
    EXPECT_TRUE(list.GetText(1).empty());
}

TEST_F(ControlsTest, SliderAndSpinKeepRangesAndPositions) {
    CSliderCtrl slider;
    Bind(slider, IDC_SLIDER);
    slider.SetRange(-10, 40);
    EXPECT_EQ(slider.GetRangeMin(), -10);
    EXPECT_EQ(slider.GetRangeMax(), 40);
    slider.SetPos(25);
    EXPECT_EQ(slider.GetPos(), 25);
    slider.SetPos(90);
    EXPECT_EQ(slider.GetPos(), 40) << "kept inside the range";

    CSpinButtonCtrl spin;
    Bind(spin, IDC_SPIN);
    EXPECT_EQ(spin.GetBuddy(), dialog.GetDlgItem(IDC_EDIT));
    spin.SetRange32(1, 500);
    int lower = 0;
    int upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 500);
    spin.SetPos32(321);
    bool ok = false;
    EXPECT_EQ(spin.GetPos32(&ok), 321);
    EXPECT_TRUE(ok);
    CEdit edit;
    Bind(edit, IDC_EDIT);
    EXPECT_EQ(edit.GetWindowText(), TString(TEXT("321"))) << "the buddy shows the position";
    edit.SetWindowText(TEXT("abc"));
    spin.GetPos32(&ok);
    EXPECT_FALSE(ok);
}

TEST_F(ControlsTest, TabControlItemsAndRectangles) {
    CTabCtrl tab;
    Bind(tab, IDC_TAB);
    EXPECT_EQ(tab.InsertItem(0, TEXT("Auto")), 0);
    EXPECT_EQ(tab.InsertItem(1, TEXT("Colour")), 1);
    EXPECT_EQ(tab.InsertItem(2, TEXT("Sound")), 2);
    EXPECT_EQ(tab.GetItemCount(), 3);
    EXPECT_EQ(tab.GetItemText(1), TString(TEXT("Colour")));
    EXPECT_EQ(tab.GetItemText(2, 3), TString(TEXT("So"))) << "cut to the capacity";
    EXPECT_TRUE(tab.GetItemText(5).empty());
    EXPECT_EQ(tab.SetCurSel(2), 0);
    EXPECT_EQ(tab.GetCurSel(), 2);
    RECT item{};
    ASSERT_TRUE(tab.GetItemRect(1, item));
    EXPECT_GT(item.right, item.left);
    POINT inside{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    EXPECT_EQ(tab.HitTest(inside), 1);
    RECT area = tab.GetClientRect();
    RECT display = area;
    tab.AdjustRect(false, display);
    EXPECT_GT(display.top, area.top) << "the display area lies below the tabs";
}

TEST_F(ControlsTest, EditAndButtonStates) {
    CEdit edit;
    Bind(edit, IDC_EDIT);
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5);
    edit.SetWindowText(TEXT("hello"));
    edit.SetSel(1, 3);
    int first = 0;
    int last = 0;
    edit.GetSel(first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    edit.ReplaceSel(TEXT("EL"));
    EXPECT_EQ(edit.GetWindowText(), TString(TEXT("hELlo")));

    CButton button;
    Bind(button, IDC_PLAIN_BUTTON);
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);

    CStatic label;
    Bind(label, IDC_LABEL);
    EXPECT_EQ(label.GetWindowText(), TString(TEXT("Label")));
    EXPECT_EQ(label.GetBitmap(), nullptr);
}

} // namespace
