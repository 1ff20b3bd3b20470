// CDlgMonitor, the modal monitor connection list: one line per controlled monitor with its
// name, model name and serial number. Its behaviour lives in MonitorListModel; the dialog shows
// what the model asks.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "framework/list_box_win.h"
#include "utility/pages/monitor_list_model.h"

class CDlgMonitor : public CDialog, private MonitorListView {
  public:
    // The dialog sets `shell.m_hwndMonitorList` while its window exists, and clears
    // `shell.m_monitorListOpen` when the user closes it.
    CDlgMonitor(const CMonitorStatusAll& monitors, const StringTable& strings, ShellState& shell);

  protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { m_model.Close(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    // MonitorListView.
    void Place(ScreenPoint corner, bool topmost) override;
    void AddLine(const std::string& line) override;
    void SetNote(const std::string& text) override;
    void Finish(int result) override;

    ScopedBrush m_brush;
    CListBox m_list;
    MonitorListModel m_model;
};
