// The screen filter's overlay as the monitor state owns it: a window over one monitor's desktop
// that shows the filter picture with a uniform opacity and lets every click through. The Windows
// build implements it with a layered window; tests with a recording fake.
#pragma once

#include <cstdint>

// A decoded filter picture, shared by every overlay.
class FilterImage {
  public:
    virtual ~FilterImage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class OverlayWindow {
  public:
    virtual ~OverlayWindow() = default;
    // Shows `image` (null: black), tiled from the top-left corner; the image must outlive the
    // window or be replaced first.
    virtual void SetPicture(const FilterImage* image) = 0;
    // Opacity, 0 (invisible) ... 255.
    virtual void SetAlpha(int alpha) = 0;
    virtual void Show(bool show) = 0;
    // Puts the overlay above every window again, the main window kept on top among them.
    virtual void RaiseToTop() = 0;
};
