// CDlgAppProcSelect: the modal dialog of an Application item's sub-items, one push button each
// (five at most), cut below the last one. A click runs the sub-item's action and leaves the
// dialog open. The programs its installers registered start with the others' when the user
// leaves the launcher through Exit, not when this dialog goes: the installer usually still runs
// then, and in an upgrade the Run value would start the old version while it is being replaced.
#pragma once

#include "framework/button_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "launcher/item_actions_win.h"
#include "launcher/page_rules.h"

#include <array>

class CDlgAppProcSelect : public CDialog {
  public:
    // `application` and `context` outlive the dialog.
    CDlgAppProcSelect(const ItemInfo& application, const LaunchContext& context);

  protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void FitHeight(int count);

    const ItemInfo& m_application;
    const LaunchContext& m_context;
    std::array<CButton, kSubItemButtonCount> m_buttons;
    std::array<ItemButtonPlan, kSubItemButtonCount> m_plan{};
    ScopedBrush m_brush;
};
