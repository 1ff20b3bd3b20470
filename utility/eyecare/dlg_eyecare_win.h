// CDlgEyeCare, the EyeCare dialog: the monitor the reminder belongs to, whether it pops up, its
// interval in hours and its message (through the Edit Message dialog). "Close" saves, cancelling
// does not; a display change or the main window's close request ends it with 0. Its behaviour
// lives in EyeCareModel; the dialog moves data between its controls and the model.
#pragma once

#include "framework/button_win.h"
#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/edit_win.h"
#include "framework/handles_win.h"
#include "framework/spin_button_win.h"
#include "utility/eyecare/eyecare_model.h"

// DoModal's result when the dialog was closed for a display change.
inline constexpr INT_PTR kEyeCareClosedForRescan = 0;

class CDlgEyeCare : public CDialog, private EyeCareView {
  public:
    // Sets `shell.m_hwndEyeCare` while its window exists and clears `shell.m_eyeCareOpen` when
    // it goes.
    CDlgEyeCare(RegistryPort& registry, const CMonitorStatusAll& monitors, ShellState& shell,
                const StringTable& strings);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    // EyeCareView.
    void SetMonitorList(const std::vector<std::string>& lines, int selected) override;
    void SetPopupCheck(bool checked) override;
    void SetHoursText(const std::string& text) override;
    void EnableReminderControls(bool enabled) override;
    bool RunEditMessage(std::string& message) override;
    void ShowWarning(const std::string& text) override;

    ShellState& m_shell;
    CComboBox m_monitorList;
    CButton m_popup;
    CEdit m_hours;
    CSpinButtonCtrl m_hoursSpin;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    EyeCareModel m_model;
};
