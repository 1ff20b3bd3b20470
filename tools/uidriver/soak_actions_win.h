// The soak's round of user actions and system events on the running utility: display changes
// (also with the colour adjustment dialog open and with a filter on), suspend and resume, unlock,
// the colour adjustment dialog opened, its slider and the dialog moved and cancelled, the monitor
// list, the EyeCare dialog with its Edit Message dialog, the EyeCare Filter dialog opened,
// previewed and cancelled, a filter kept and taken off again, the notification menu, the About
// box, foreground switches between two registered applications, and the reminder's balloon shown
// and hidden. A round ends as it began: no dialog open, no filter, the main window hidden.
#pragma once

#include <windows.h>

#include <cstddef>

class SoakActions {
  public:
    // `app` and `own` are windows of two applications registered for Auto Veltone.
    SoakActions(HWND main, HWND app, HWND own) : m_main(main), m_app(app), m_own(own) {}

    static std::size_t RoundLength();
    // The action's name, for a report of the one that failed.
    static const char* Name(std::size_t action);
    // Runs action `action` of a round (0 to RoundLength() - 1) of round `round`, which varies
    // slider positions and pictures; false when the utility did not do what the action asks.
    bool Run(std::size_t action, std::size_t round);

  private:
    struct Step {
        const char* name;
        bool (*run)(SoakActions& actions, std::size_t round);
    };
    static const Step kRound[];

    bool DisplayChange();
    bool DisplayChangeUnderColourDialog();
    bool Suspend();
    bool Resume();
    bool Unlock();
    bool ShowMain();
    bool Page(int page);
    bool OpenColourDialog();
    bool SlideColour(std::size_t round);
    bool MoveColourDialog(std::size_t round);
    bool CancelColourDialog();
    bool HideMain();
    bool OpenMonitorList();
    bool CloseMonitorList();
    bool OpenEyeCare();
    bool OpenEditMessage();
    bool CloseEditMessage();
    bool CloseEyeCare();
    bool OpenFilter(std::size_t round);
    bool SlideFilter(std::size_t round);
    bool CancelFilter();
    bool PickNoPicture();
    bool KeepFilter();
    bool OpenTrayMenu();
    bool CloseTrayMenu();
    bool OpenAbout();
    bool CloseAbout();
    bool OpenFilterOnKept();
    bool Front(HWND window);
    bool Timer(unsigned id);

    HWND m_main;
    HWND m_app;
    HWND m_own;
};

// Runs the driver's own messages (its registered application's window) for `ms`.
void PumpFor(DWORD ms);
