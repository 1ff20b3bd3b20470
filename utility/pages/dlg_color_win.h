// CDlgColor, the colour page: monitor choice, picture mode and the named adjustment data. Its
// behaviour lives in ColorPageModel; the page moves data between its controls and the model.
#pragma once

#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "utility/monitor/monitor_color.h"
#include "utility/pages/color_page_model.h"
#include "utility/text/code_page_win.h"
#include "utility/ui/hyper_link_win.h"
#include "utility/ui/shell_state.h"

class CDlgColor : public CDialog, private ColorPageView {
  public:
    CDlgColor(CurrentMonitor& monitor, CMonitorStatusAll& monitors, RegistryPort& registry,
              const StringTable& strings, ShellState& shell);

    // Everything anew for the current monitor (the page is shown, or the monitor changed).
    void Refresh();

    bool PreTranslateMessage(MSG& msg) override;

  protected:
    bool OnInitDialog() override;
    // Enter and Escape do not close a page.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    // ColorPageView.
    void SetMonitorList(const std::vector<std::string>& entries, int selected) override;
    void SetModeList(const std::vector<ModeItem>& modes) override;
    void SelectModeItem(int index) override;
    void SetDataNameList(const std::vector<std::string>& names) override;
    DataNameBox ReadDataName() override;
    void WriteDataName(const std::string& text, int caret) override;
    void EnableControls(const ColorPageControls& controls) override;
    void ShowWarning(std::uint32_t id) override;
    void SelectMonitor(int index) override;
    bool ConfirmDelete() override;
    void FocusMainClose() override;
    void FocusColorButton() override;
    void StepAsideForAdjustment() override;
    void ComeBackAfterAdjustment() override;
    void RunColorDialog() override;

    HWND MainWindow() const { return ::GetAncestor(m_hWnd, GA_ROOT); }
    // Runs `action` of the model with the wait cursor.
    template <typename Action> void Busy(Action action);

    CHyperLink m_link;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    CComboBox m_monitorList;
    CComboBox m_modeList;
    CComboBox m_dataName;
    CurrentMonitor& m_monitor;
    CMonitorStatusAll& m_monitors;
    ShellState& m_shell;
    SystemCodePage m_codePage;
    // The colour snapshot of the current monitor, for as long as the page exists.
    CMonitorColor m_snapshot;
    ColorPageModel m_model;
};
