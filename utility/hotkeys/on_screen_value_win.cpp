#include "utility/hotkeys/on_screen_value_win.h"

// Placeholder until the window is drawn: shows nothing.
OnScreenValueWindow::~OnScreenValueWindow() {
    Hide();
}

void OnScreenValueWindow::Show(HWND, const OnScreenValue&, const std::string&) {}

void OnScreenValueWindow::Hide() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}
