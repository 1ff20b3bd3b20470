// CDlgVton, the Auto Veltone page: the application-mode table, the default for other
// applications, the two switches, and the timer of the foreground watcher, which runs for as
// long as the page exists, shown or not. Its behaviour lives in VtonPageModel; the page moves
// data between its controls and the model.
#pragma once

#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "utility/pages/foreground_win.h"
#include "utility/pages/vton_page_model.h"
#include "utility/text/code_page_win.h"
#include "utility/ui/hyper_link_win.h"
#include "utility/ui/window_timers_win.h"

#include <deque>
#include <string>

class CDlgVton : public CDialog, private VtonPageView {
  public:
    CDlgVton(CMonitorStatusAll& monitors, DeviceCtrl& ctrl, RegistryPort& registry,
             GammaPort& displays, const StringTable& strings, ShellState& shell);

    bool PreTranslateMessage(MSG& msg) override;
    // The display configuration changed (the main window hears of it).
    void DisplaysChanged() {
        m_windows.ForgetDisplays();
        m_model.DisplaysChanged();
    }

  protected:
    bool OnInitDialog() override;
    // Enter and Escape do not close a page.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    // VtonPageView.
    void SetActivate(bool checked) override;
    bool Activate() override;
    void SetIndependent(bool checked) override;
    bool Independent() override;
    bool AddApplication(const std::string& name) override;
    int SelectedApplication() override;
    void SelectApplication(int index) override;
    void SetModeList(const std::vector<ModeItem>& items) override;
    int SelectedMode() override;
    void SelectMode(int index) override;
    void SetDefaultList(const std::vector<ModeItem>& items) override;
    int SelectedDefault() override;
    void SelectDefault(int index) override;
    void EnableControls(const VtonPageControls& controls) override;
    bool AskYesNo(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    WindowHandle PageWindow() override { return m_hWnd; }
    bool PageOnView() override { return m_pageVisible; }
    void PostForeground(const std::string& identifier) override;

    int MessageBox(const std::string& text, UINT type);
    void ShowNextForeground();

    CHyperLink m_link;
    CComboBox m_applications;
    CComboBox m_modes;
    CComboBox m_defaults;
    HWND m_activateBox = nullptr;    // the page's child, gone with it
    HWND m_independentBox = nullptr; // the page's child, gone with it
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    bool m_pageVisible = false;
    ForegroundWin m_windows;
    WindowTimers m_timers;
    SystemCodePage m_codePage;
    VtonPageModel m_model;
    // Applications the watcher brought forward, waiting for the page to show them: the posted
    // message carries no pointer, so no identifier is read after it changed or went.
    std::deque<std::string> m_foreground;
};
