// CLauncherDlg, the disk menu's main window: a modal dialog with one tab per tab of the
// information file, in file order, one page per tab kind, and Exit. Its caption is the file's
// title; its background is the main skin.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "launcher/dlg_common_win.h"
#include "launcher/dlg_information_win.h"
#include "launcher/page_rules.h"
#include "launcher/tab_ctrl_ex_win.h"

#include <array>

class CLauncherApp;

class CLauncherDlg : public CDialog {
  public:
    // `app` holds what the window and its pages share (the tabs and the flags) and outlives the
    // window.
    explicit CLauncherDlg(CLauncherApp& app);

  protected:
    bool OnInitDialog() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    void InsertTabs();
    void CreatePages();
    void CreatePage(std::size_t tab);
    void CreateOtherPages();
    void OnSelChange();
    void OnExit();
    void OnNcActivate(bool active);
    void OnDestroy();
    // The page of tab kind `kind`, or null for a value that is no kind.
    CDialog* PageOfKind(long long kind);

    CLauncherApp& m_app;
    CTabCtrlEx m_tab;
    std::array<CDlgCommon, 3> m_itemPages;
    CDlgInformation m_infoPage;
    HICON m_icon = nullptr; // shared resource icon, owned by the system
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
};
