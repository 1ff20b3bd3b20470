#include "utility/eyecare/overlays_win.h"

#include "utility/eyecare/trans_wnd_win.h"

std::unique_ptr<OverlayWindow> OverlaysWin::CreateOverlay(const DesktopRect& desktop) {
    auto overlay = std::make_unique<CTransWnd>();
    const RECT rect{desktop.left, desktop.top, desktop.right, desktop.bottom};
    if (!overlay->Create(m_owner, rect))
        return nullptr;
    return overlay;
}

std::unique_ptr<FilterImage> OverlaysWin::LoadImage(const std::string& path) {
    return LoadFilterBitmap(path);
}
