// The on-screen value: a small topmost layered window that never takes the focus, at the bottom
// centre of the monitor a shortcut key changed, showing what changed and fading out after about
// 1.5 s. Every further Show restarts it.
#pragma once

#include "utility/hotkeys/on_screen_value.h"

#include <windows.h>

#include <memory>
#include <string>

class OnScreenValueWnd;

inline constexpr char kOnScreenValueClass[] = "DimoraOnScreenValue";

class OnScreenValueWindow {
  public:
    OnScreenValueWindow();
    ~OnScreenValueWindow();
    OnScreenValueWindow(const OnScreenValueWindow&) = delete;
    OnScreenValueWindow& operator=(const OnScreenValueWindow&) = delete;

    // Shows `value` over the display device `device` ("\\.\DISPLAY2"), or over the primary
    // display when no display has that name; `owner` is the main window.
    void Show(HWND owner, const OnScreenValue& value, const std::string& device);
    // Takes the window away at once (Exit, a display change).
    void Hide();
    // The window while it exists, for tests.
    HWND Window() const;

  private:
    std::unique_ptr<OnScreenValueWnd> m_window;
};
