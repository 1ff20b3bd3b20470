// Which of the utility's windows are open, shared by the main window, its pages and the
// auxiliary dialogs. The application object owns the one instance and hands it to the windows
// that read or set it.
#pragma once

// A window handle (an HWND) as portable code keeps it: only compared and handed back.
using WindowHandle = void*;

struct ShellState {
    int m_mainShown = 0;        // the main window is shown
    int m_monitorListOpen = 0;  // the monitor connection list runs
    int m_eyeCareOpen = 0;      // the EyeCare dialog runs
    int m_filterDialogOpen = 0; // the EyeCare Filter dialog runs
    int m_hotkeysOpen = 0;      // the Shortcut Keys dialog runs
    // Message boxes and modal dialogs of the program now running (ModalLoop counts them).
    int m_modalLoops = 0;

    // Windows of the open auxiliary dialogs, each set by its dialog while it exists; a display
    // change asks them to close.
    WindowHandle m_hwndMonitorList = nullptr;
    WindowHandle m_hwndColorAdjust = nullptr;
    WindowHandle m_hwndEyeCare = nullptr;
    WindowHandle m_hwndFilterFileDialog = nullptr;
    WindowHandle m_hwndEditMessage = nullptr;
    WindowHandle m_hwndFilterDialog = nullptr;
    // The About box while it exists; Exit and a rescan ask it to close.
    WindowHandle m_hwndAbout = nullptr;
    WindowHandle m_hwndHotkeys = nullptr; // the Shortcut Keys dialog

    // One of the dialogs started from the notification menu runs; the menu is then greyed.
    bool AnyMenuDialogOpen() const {
        return m_eyeCareOpen || m_filterDialogOpen || m_monitorListOpen || m_hotkeysOpen;
    }
    bool InModalLoop() const { return m_modalLoops > 0; }
};
