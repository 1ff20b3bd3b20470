// CDlgInformation: the page of the Information tab: the disk's message and a link to the
// maker's address, both from the information file.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "launcher/core/launcher_info.h"
#include "launcher/hyper_link_win.h"

class CDlgInformation : public CDialog {
  public:
    // The tabs and the tab control's client rectangle (for the skin), owned by the application
    // and outliving the page.
    CDlgInformation(const TabList& tabs, const RECT& tabClientRect);

  protected:
    bool OnInitDialog() override;
    // Enter and Escape do not close a page.
    void OnOK() override {}
    void OnCancel() override {}
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const TabList& m_tabs;
    const RECT& m_tabClientRect;
    CHyperLink m_link;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
};
