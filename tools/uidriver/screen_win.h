// What the run command's screenshots need from the screen: the part of it a program's windows
// cover, and the notification icon clicked as a hand would click it.
#pragma once

#include <windows.h>

#include <string>

// The rectangle covered by the visible top-level windows of every running program whose
// executable's file name is `exeName` (any letter case), with `margin` pixels around it and held
// to the screen, as an ImageMagick crop geometry ("WxH+X+Y"). With `withTray` the notification
// area and the windows of its process (a balloon) count as well. Empty when nothing is visible.
std::string ProgramFrame(const std::string& exeName, bool withTray, int margin);

// Moves the notification area's window (the X11 driver's own, see below) into the screen's
// bottom right corner, where Windows keeps its notification area, so that menus and balloons
// open from there as they do on Windows; false when there is no such window.
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
