// CDlgCommon: the item page of a Manual, Application or Utility tab. Up to eight item links on
// the right, each enabled only on the systems its item supports, and a description line on the
// left that shows the caption of the item under the pointer.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "launcher/core/launcher_info.h"
#include "launcher/item_actions_win.h"
#include "launcher/page_rules.h"
#include "launcher/static_button_win.h"

#include <array>
#include <string>

class CDlgCommon : public CDialog {
  public:
    // What the page reads, all owned by the application and outliving the page: the tabs; the
    // kind of the page being created (read while it initialises); the main window's active
    // flag (for the links); the tab control's client rectangle (for the skin); what the item
    // actions share with the application.
    CDlgCommon(const TabList& tabs, const int& creatingPageKind, const int& windowActive,
               const RECT& tabClientRect, const LaunchContext& launch);

    // The tab the page shows; null before initialisation or when the file has no such tab.
    const TabInfo* Tab() const { return m_tab; }

  protected:
    bool OnInitDialog() override;
    // Enter and Escape do not close a page.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    void SetUpButtons();
    void FitButtonToText(CStaticButton& button, HDC measuringDc);
    void OnItemClicked(int index);

    const TabList& m_tabs;
    const int& m_creatingPageKind;
    const RECT& m_tabClientRect;
    const LaunchContext& m_launch;
    std::array<CStaticButton, kItemButtonCount> m_buttons;
    HWND m_description = nullptr;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    // Shown in the description line while no item is hovered.
    const std::wstring m_defaultText;
    const TabInfo* m_tab = nullptr;
};
