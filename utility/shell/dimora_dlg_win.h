// CDimoraDlg, the utility's main window: a hidden modeless dialog with three tab pages, the
// owner of the notification icon and its menu, and the receiver of the program's system events
// and timers. The user's close only hides it; the program ends through the menu's Exit, or
// when another program closes the hidden window or an installer asks it to end.
//
// Its behaviour lives in MainWindowModel; this class turns messages into calls of the model and
// carries out what the model asks (MainWindowView). The work is split by job over
// dimora_dlg_win.cpp (creation, pages, message routing, destruction), dimora_dlg_view_win.cpp
// (what the model asks), dimora_dlg_commands_win.cpp (commands and the dialogs the menu opens),
// dimora_dlg_tray_win.cpp (the notification icon and its menu), dimora_dlg_keys_win.cpp (the
// keyboard), dimora_dlg_sysmenu_win.cpp (system menu, About, Keep On Top) and
// dimora_dlg_events_win.cpp (timers, system events, the data folder, screen filter and gamma
// ramps).
#pragma once

#include "framework/button_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "utility/eyecare/filter_settings.h"
#include "utility/eyecare/overlays_win.h"
#include "utility/eyecare/screen_filter.h"
#include "utility/hotkeys/hotkey_settings.h"
#include "utility/hotkeys/on_screen_value_win.h"
#include "utility/monitor/current_monitor.h"
#include "utility/monitor/gamma.h"
#include "utility/pages/dlg_color_win.h"
#include "utility/pages/dlg_sound_win.h"
#include "utility/pages/dlg_vton_win.h"
#include "utility/settings/registry_port.h"
#include "utility/shell/main_window_model.h"
#include "utility/shell/sm_tab_ctrl_ex_win.h"
#include "utility/shell/tray_shell_win.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"
#include "utility/ui/window_timers_win.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

struct CommandContext;

// What the main window and its pages work with; the application object owns all of it.
struct MainWindowContext {
    RegistryPort& registry;
    const StringTable& strings;
    DeviceCtrl& deviceCtrl;
    CMonitorStatusAll& monitors;
    CurrentMonitor& currentMonitor;
    ShellState& shell;
    GammaPort& gammaPort;
    ClockPort& clock;
    GammaList& gammaList;
    std::string& dataFolder;
    FilterSettings& filter;
    DWORD startTick; // when the program started, for the start-up figure
};

class CDimoraDlg : public CDialog, private MainWindowView {
  public:
    explicit CDimoraDlg(const MainWindowContext& context);
    ~CDimoraDlg() override;

    bool PreTranslateMessage(MSG& msg) override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { m_model.HideMainWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    void PostNcDestroy() override;

  private:
    // MainWindowView.
    void ShowWindowNormal() override;
    void HideWindow() override;
    void ShowOnlyPage(int index) override;
    void SelectTab(int index) override;
    void RefreshTabControl() override;
    void PostAutoPageRefresh() override;
    void RefreshPage(int index) override;
    void BringToForeground() override;
    bool IsTopmost() const override;
    void SetTopmost(bool topmost) override;
    void CheckKeepOnTop(bool checked) override;
    void ShowTrayMenu(const TrayMenuChoice& choice) override;
    void WindowDeviceName(std::string& name) override;
    void FocusPageControl(int page, PageFocus where) override;
    bool ForwardMnemonic(int page, char letter) override;
    void CloseAuxiliaryDialogs() override;
    void EndModalLoops() override;
    void PostMonitorsChanged() override;
    void SendFilterReapply() override;
    void PostExit() override;
    std::uint32_t RegisterSessionNotification() override;
    void UnregisterSessionNotification() override;

    // dimora_dlg_win.cpp
    void CreatePages();
    void OnDestroyWindow();
    CDialog& Page(int index);

    // dimora_dlg_tray_win.cpp
    // Answers whether default processing follows.
    bool OnTrayNotify(LPARAM mouseMessage);
    void OnTaskbarCreated();
    LRESULT AnswerStateQuery(WPARAM what);
    void NoteIconShown();

    // dimora_dlg_keys_win.cpp
    KeyFocus FocusOfKey() const;

    // dimora_dlg_sysmenu_win.cpp
    void AddSystemMenuItems();
    bool OnSysCommand(WPARAM command);

    // dimora_dlg_events_win.cpp
    // Answers whether the message is done with (no default processing).
    bool OnSystemEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void SetUpDataFolderAndFilter();

    // dimora_dlg_cmdline_win.cpp
    // A command of the command line from another start of the program; answers its status.
    LRESULT OnCommandRequest(WPARAM sender, LPARAM lParam);
    // Runs `work` as the one command running (with the wait cursor), on the program's own
    // monitor list, settings and screen filter: a command's and a shortcut key's work.
    void RunAsCommand(const std::function<void(CommandContext&)>& work);

    // dimora_dlg_hotkeys_win.cpp
    // Registers the shortcut keys of `settings` on this window in place of those registered
    // before; answers the actions whose key another program holds (left unregistered).
    std::vector<HotkeyAction> RegisterHotkeys(const HotkeySettings& settings);
    void UnregisterHotkeys();
    void OnHotkey(WPARAM id);
    // The "Shortcut Keys" dialog.
    void RunHotkeysDialog();

    MainWindowContext m_context;
    HICON m_hIcon = nullptr; // shared resource icon, owned by the system
    UINT m_taskbarCreatedMsg = 0;
    UINT m_stateQueryMsg = 0;
    ScopedBrush m_ctlBrush;
    CDlgVton m_pageAuto;
    CDlgColor m_pageColor;
    CDlgSound m_pageSound;
    CSMTabCtrlEx m_tab;
    CButton m_btnClose;

    TrayShellWin m_trayShell;
    WindowTimers m_timers;
    OverlaysWin m_overlayPort;
    ScreenFilter m_screenFilter;
    MainWindowModel m_model;
    bool m_ready = false;          // the initialisation has finished
    bool m_commandRunning = false; // a command of the command line is being carried out
    HotkeySettings m_hotkeys;
    std::array<bool, kHotkeyActionCount> m_hotkeyRegistered{};
    OnScreenValueWindow m_onScreenValue;
    LRESULT m_iconAfterMs = -1;
    DWORD m_iconTick = 0;
};
