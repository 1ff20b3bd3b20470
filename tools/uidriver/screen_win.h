// What the run command's screenshots need from the screen: the part of it a program's windows
// cover, and the notification icon clicked as a hand would click it.
#pragma once

#include <windows.h>

#include <string>

// Which windows a frame takes in besides the program's own.
enum class FrameKind {
    Windows,  // the program's windows
    WithTray, // and the notification area with the windows of its process (a balloon)
    // the program's windows but its click-through overlays (the screen filter's), which cover
    // every screen, with a wider margin that shows the overlay around the windows
    WithoutOverlays,
};

// The rectangle covered by the visible top-level windows (minimised ones left out) of every
// running program whose executable's file name is `exeName` (any letter case), with a margin
// around it and held to the screen, as an ImageMagick crop geometry ("WxH+X+Y"). Empty when
// nothing is visible.
std::string ProgramFrame(const std::string& exeName, FrameKind kind);

// The program's visible top-level window highest in the z-order (overlays left out), or null.
HWND TopProgramWindow(const std::string& exeName);

// Moves the notification area's window (the X11 driver's own, see below) to the bottom of the
// screen near its right corner, where Windows keeps its notification area, so that menus and
// balloons open from there as they do on Windows; false when there is no such window. A gap is
// left to the right as the clock leaves it on Windows: the driver's balloons stay where the icon
// is and would run off the screen's edge.
bool ParkTrayInCorner();

// Moves the pointer onto the first icon of the notification area and clicks its right button
// through the input queue, as a user would; false when no icon is found. Under Wine without a
// desktop shell the icons sit in the X11 driver's own notification window.
bool RightClickTrayIcon();

// Makes `window` the foreground window anew: the foreground goes to the notification area and
// back, as a click there and then on the window would take it. Wine makes a dialog the
// foreground window already while it is hidden, so showing it later activates nothing and its
// caption stays drawn inactive.
void ActivateAgain(HWND window);
