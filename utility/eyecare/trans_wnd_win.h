// CTransWnd, the screen filter's overlay over one monitor: a borderless, always-on-top layered
// window that every click passes through, showing the filter picture tiled from its top-left
// corner at one opacity, black without a picture.
#pragma once

#include "framework/wnd_win.h"
#include "utility/monitor/overlay_window.h"

class FilterBitmap;

class CTransWnd : public CWnd, public OverlayWindow {
  public:
    // Creates the window over `rect`, owned by `owner`; it starts hidden.
    bool Create(HWND owner, const RECT& rect);

    void SetPicture(const FilterImage* image) override;
    void SetAlpha(int alpha) override;
    void Show(bool show) override;
    void RaiseToTop() override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The picture tiled over the client area from its top left corner, or black without one.
    void Draw(HDC target);

    const FilterBitmap* m_picture = nullptr;
};

// The extended styles of an overlay: topmost, click-through, no taskbar button, layered.
inline constexpr DWORD kOverlayExStyle =
    WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
inline constexpr char kOverlayTitle[] = "transparent window";
inline constexpr char kOverlayClass[] = "DimoraOverlay";
