// CDlgColorSub, the modal colour adjustment dialog: seven sliders for the current monitor, each
// movement written at once, Cancel writing back what the monitor had when the dialog opened.
// Its behaviour lives in ColorSubModel; the dialog moves data between its controls and the
// model, and paints the colour temperature picture the model chooses.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "framework/slider_win.h"
#include "utility/pages/color_sub_model.h"

#include <utility>
#include <vector>

class CDlgColorSub : public CDialog, private ColorSubView {
  public:
    // `snapshot` is the colour page's; the dialog sets `shell.m_hwndColorAdjust` while its
    // window exists and clears `monitors.adjustmentBusy` when it goes.
    CDlgColorSub(CurrentMonitor& monitor, CMonitorColor& snapshot, CMonitorStatusAll& monitors,
                 ShellState& shell);

  protected:
    bool OnInitDialog() override;
    void OnOK() override { m_model.Ok(); }
    void OnCancel() override { m_model.Cancel(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    // ColorSubView.
    void SetSliderRange(ColorSlider slider, int minimum, int maximum) override;
    void SetSliderPosition(ColorSlider slider, int position) override;
    void SetSliderPageSize(ColorSlider slider, int size) override;
    void SetValueText(ColorSlider slider, const std::string& text) override;
    void EnableSlider(ColorSlider slider, bool enabled, std::uint32_t icon) override;
    void EnableButtons(bool enabled) override;
    void FocusOk() override;
    void RepaintPicture() override;
    void BeginWait() override;
    void EndWait() override;
    void Finish(int result) override;

    void OnHScroll(UINT code, HWND control);
    void OnPaint();
    void OnDestroy();
    // Shows `bitmap` in the icon static `control`; a bitmap the static hands back that is not
    // one of ours (the one it loaded from the template, or its own copy) is deleted.
    void ShowBitmap(HWND control, HBITMAP bitmap);
    HBITMAP Bitmap(UINT id);
    bool IsOwnBitmap(HBITMAP bitmap) const;
    // Where the colour temperature picture goes, in client coordinates.
    RECT PictureRect() const;

    CSliderCtrl m_sliders[kColorSliderCount];
    ScopedBrush m_pageBrush;
    SIZE m_pattern{};
    ScopedBrush m_valueBrush;
    // The icon bitmaps, loaded once per window and kept until it goes.
    std::vector<std::pair<UINT, ScopedBitmap>> m_bitmaps;
    int m_waitDepth = 0;
    HCURSOR m_cursorBeforeWait = nullptr;
    ColorSubModel m_model;
};
