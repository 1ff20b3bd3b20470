// Which window names a top-level window's application. A packaged (Store) application shows its
// window inside a frame that ApplicationFrameHost.exe owns, whatever the application: its own
// process owns the frame's CoreWindow child, and that child names the application.
#pragma once

#include "utility/pages/foreground_port.h"

#include <string>

inline constexpr char kFrameWindowClass[] = "ApplicationFrameWindow";
inline constexpr char kCoreWindowClass[] = "Windows.UI.Core.CoreWindow";

// `window` itself (of class `className`), or the CoreWindow a frame hosts; null for a frame that
// hosts none (an application still starting, or suspended while minimised: Windows takes the
// CoreWindow out of its frame meanwhile).
WindowHandle ApplicationWindow(ForegroundPort& windows, WindowHandle window,
                               const std::string& className);
