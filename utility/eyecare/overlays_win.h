// The screen filter's platform side: overlay windows owned by the main window, and pictures
// decoded with GDI+.
#pragma once

#include "utility/eyecare/filter_bitmap_win.h"
#include "utility/eyecare/screen_filter.h"

class OverlaysWin : public OverlayPort {
  public:
    void SetOwner(HWND owner) { m_owner = owner; }

    std::unique_ptr<OverlayWindow> CreateOverlay(const DesktopRect& desktop) override;
    std::unique_ptr<FilterImage> LoadImage(const std::string& path) override;

  private:
    HWND m_owner = nullptr;
};
