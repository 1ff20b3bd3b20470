// The on-screen value's window: topmost, layered, click-through and never active, drawn from an
// OnScreenValue at the screen's resolution, fading out on its own timers.
#pragma once

#include "framework/handles_win.h"
#include "framework/wnd_win.h"
#include "utility/hotkeys/on_screen_value.h"
#include "utility/hotkeys/on_screen_value_layout.h"

// The extended styles: above other windows, no taskbar button, never activated (not even by a
// click), translucent and passing every click to the window below.
inline constexpr DWORD kOnScreenValueExStyle =
    WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT;

// Its colours: light text on a dark panel, the bar's filled part in blue over a grey track, and a
// refused key's band and text in red.
inline constexpr COLORREF kOsdBackground = RGB(32, 32, 36);
inline constexpr COLORREF kOsdBorder = RGB(96, 96, 104);
inline constexpr COLORREF kOsdMonitorText = RGB(190, 190, 198);
inline constexpr COLORREF kOsdText = RGB(255, 255, 255);
inline constexpr COLORREF kOsdBarTrack = RGB(78, 78, 86);
inline constexpr COLORREF kOsdBarFill = RGB(64, 156, 255);
inline constexpr COLORREF kOsdRefused = RGB(255, 112, 96);

class OnScreenValueWnd : public CWnd {
  public:
    // Creates the window hidden, owned by `owner` (null for none).
    bool Create(HWND owner);
    // Shows `value` at `dpi` at the bottom centre of `workArea`, at full opacity, and starts the
    // fade's wait anew.
    void Present(const OnScreenValue& value, const RECT& workArea, int dpi);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void MakeFonts(int dpi);
    OsdTextSizes Measure();
    void OnTimer(UINT_PTR id);
    void Draw(HDC target);
    void DrawValueRow(HDC target);

    OnScreenValue m_value;
    OsdLayout m_layout;
    ScopedFont m_smallFont; // the monitor's line
    ScopedFont m_largeFont; // the control's name
    ScopedFont m_valueFont; // the number or the text: the large size in bold
    int m_fontDpi = 0;
    int m_fadeStep = 0;
};
