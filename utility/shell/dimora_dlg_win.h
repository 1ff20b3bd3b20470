// CDimoraDlg, the utility's main window: a hidden modeless dialog with three tab pages, the
// owner of the notification icon and its menu, and the receiver of the program's system events
// and timers. Closing it only hides it; the program ends through the menu's Exit.
#pragma once

#include "framework/button_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "utility/pages/dlg_color_win.h"
#include "utility/pages/dlg_sound_win.h"
#include "utility/pages/dlg_vton_win.h"
#include "utility/settings/registry.h"
#include "utility/shell/sm_tab_ctrl_ex_win.h"
#include "utility/shell/tray_icon.h"
#include "utility/shell/tray_shell_win.h"

#include <array>
#include <string>

class CDimoraDlg : public CDialog, public CRegistry {
  public:
    CDimoraDlg();
    ~CDimoraDlg() override;

    void ShowMainWindow();
    void HideMainWindow();
    void ShowPage(int index);
    bool NotifyTray(TrayAction action, UINT iconId, const std::string& tip);
    void UpdateTrayIcon();
    // Makes the monitor list anew and chooses the current monitor; true when the monitors changed.
    bool RescanMonitors();
    // Makes the monitor under the main window current, once it has moved to another display.
    void FollowWindowMonitor();

    bool PreTranslateMessage(MSG& msg) override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { HideMainWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    void PostNcDestroy() override;

  private:
    LRESULT OnTrayNotify(LPARAM mouseMessage);
    LRESULT AnswerStateQuery(WPARAM what);
    void OnTrayRightClick();
    void OnSysCommand(WPARAM command);
    void ToggleKeepOnTop();
    void OnPaintIcon();
    void OnDestroyWindow();
    void OnTimer(UINT_PTR id);
    void BringToForeground();
    void CreatePages();
    void AddSystemMenuItems();
    void ApplyStoredTopmost();
    void SetUpDataFolderAndFilter();
    void LoadFilterSettings();
    void BuildGammaList();
    void FreeGammaList();
    bool AnyDialogOpen() const;
    bool HaveCurrentMonitor() const;
    // Keyboard rules for keys that reach the main window itself (tab control or Close focused);
    // true consumes the key, and `navigate` tells whether dialog navigation may still see it.
    bool HandleKey(const MSG& msg, bool& navigate);
    void ForwardMnemonic(WPARAM key);
    CDialog& Page(int index);

    HICON m_hIcon = nullptr; // shared resource icon, owned by the system
    int m_currentPage = 0;
    UINT_PTR m_startupTimer = 0;
    int m_rescanNotifyPending = 0;
    UINT m_taskbarCreatedMsg = 0;
    UINT m_stateQueryMsg = 0;
    std::uint8_t m_rescanPending = 0;
    UINT_PTR m_rescanTimer = 0;
    std::string m_lastDeviceName;
    ScopedBrush m_ctlBrush;
    UINT_PTR m_reminderTimer = 0;
    UINT_PTR m_balloonTimer = 0;
    UINT_PTR m_screenSaverTimer = 0;
    UINT_PTR m_filterTimer = 0;
    CDlgVton m_pageAuto;
    CDlgColor m_pageColor;
    CDlgSound m_pageSound;
    CSMTabCtrlEx m_tab;
    CButton m_btnClose;

    TrayShellWin m_trayShell;
    TrayIcon m_tray;
    bool m_sessionRegistered = false;
    bool m_ready = false; // the initialisation has finished
    LRESULT m_iconAfterMs = -1;
};
