// CDlgSound, the sound page: monitor choice, speaker volume and the sound reset. Its behaviour
// lives in SoundPageModel; the page moves data between its controls and the model.
#pragma once

#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "framework/slider_win.h"
#include "utility/pages/sound_page_model.h"
#include "utility/ui/hyper_link_win.h"

class CDlgSound : public CDialog, private SoundPageView {
  public:
    CDlgSound(CurrentMonitor& monitor, CMonitorStatusAll& monitors, const StringTable& strings);

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
    // SoundPageView.
    void SetMonitorList(const std::vector<std::string>& entries, int selected) override;
    void SetVolumeRange(int maximum) override;
    void SetVolumePosition(int position) override;
    void SetVolumeText(const std::string& text) override;
    void EnableControls(const SoundPageControls& controls) override;
    void SelectMonitor(int index) override;

    void OnHScroll(UINT code, HWND control);
    // Runs `action` of the model with the wait cursor.
    template <typename Action> void Busy(Action action);

    CHyperLink m_link;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    ScopedBrush m_valueBrush;
    CComboBox m_monitorList;
    CSliderCtrl m_slider;
    SoundPageModel m_model;
};
