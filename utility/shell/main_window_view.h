// What the main window does on its model's behalf, and the notification menu it shows.
#pragma once

#include <cstdint>
#include <string>

// The notification menu as it is to be shown.
struct TrayMenuChoice {
    int popup = 0;       // 0: the full menu; 1: Exit only (no monitor to control)
    bool grayed = false; // every item grey while the window or a menu dialog is open
};

// Where a Tab key sends the focus inside a page.
enum class PageFocus { First, Last };

// What the main window does on the model's behalf.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual void ShowWindowNormal() = 0;
    virtual void HideWindow() = 0;
    // Shows page `index` and hides the others; -1 hides all three.
    virtual void ShowOnlyPage(int index) = 0;
    virtual void SelectTab(int index) = 0;
    // Hides and shows the tab control again and gives it the focus.
    virtual void RefreshTabControl() = 0;
    // Posts the Auto Veltone page its refresh request.
    virtual void PostAutoPageRefresh() = 0;
    // The colour page's or the sound page's refresh for the current monitor.
    virtual void RefreshPage(int index) = 0;
    // Brings the main window to the foreground, past the foreground lock.
    virtual void BringToForeground() = 0;
    virtual bool IsTopmost() const = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void CheckKeepOnTop(bool checked) = 0;
    // Focuses the main window, brings it forward and tracks the notification menu at the cursor.
    virtual void ShowTrayMenu(const TrayMenuChoice& choice) = 0;
    // The display device name of the monitor that holds the main window; `name` stays as it is
    // when none is found.
    virtual void WindowDeviceName(std::string& name) = 0;
    virtual void FocusPageControl(int page, PageFocus where) = 0;
    // Gives the page control whose text marks `letter` the focus and replays the key to it;
    // false when no control of the page has that mnemonic.
    virtual bool ForwardMnemonic(int page, char letter) = 0;
    // Sends every open auxiliary dialog its close request.
    virtual void CloseAuxiliaryDialogs() = 0;
    // Asks every open message loop of the program to end: the auxiliary dialogs as above, the
    // About box, the message boxes (answered with the button that changes nothing) and the
    // notification menu. Each ends once the message being handled is done.
    virtual void EndModalLoops() = 0;
    // Posts the Auto Veltone page the news that the monitors changed.
    virtual void PostMonitorsChanged() = 0;
    // Sends the EyeCare Filter dialog its request to apply its filter again.
    virtual void SendFilterReapply() = 0;
    // Ends the program once the message being handled is done (the menu's Exit, posted).
    virtual void PostExit() = 0;
    // Registers the window for this session's notifications (lock, unlock): 0 when done, else
    // the system's error code.
    virtual std::uint32_t RegisterSessionNotification() = 0;
    virtual void UnregisterSessionNotification() = 0;
};
