// The utility's own window messages and timers; their numbers are fixed.
#pragma once

inline constexpr unsigned WM_TRAY_NOTIFY = 1124;      // shell -> main window
inline constexpr unsigned WM_PAGE_REFRESH = 1125;     // main window -> Auto Veltone page
inline constexpr unsigned WM_SELECT_MONITOR = 1126;   // page -> main window, lParam = index
inline constexpr unsigned WM_FOREGROUND_APP = 1129;   // watcher -> Auto Veltone page
inline constexpr unsigned WM_MONITORS_CHANGED = 1131; // main window -> Auto Veltone page
inline constexpr unsigned WM_TAB_REDRAW = 1134;       // tab control -> main window
inline constexpr unsigned WM_CLOSE_FOR_RESCAN = 1139; // main window -> auxiliary dialogs
inline constexpr unsigned WM_COLOR_DIALOG_LOAD = 1140;
inline constexpr unsigned WM_FILTER_REAPPLY = 1141; // main window -> EyeCare Filter dialog

// The main window's hot-key ids (RegisterHotKey): this first one for the first shortcut key's
// action, one more for each further action.
inline constexpr int HOTKEY_ID_FIRST = 1;

inline constexpr unsigned TIMER_RESCAN_NOTIFY = 10;
inline constexpr unsigned TIMER_REMINDER = 13;
inline constexpr unsigned TIMER_FOREGROUND_WATCH = 14;
inline constexpr unsigned TIMER_BALLOON_HIDE = 15;
inline constexpr unsigned TIMER_SCREENSAVER_WATCH = 16;
inline constexpr unsigned TIMER_FILTER_REAPPLY = 20;
inline constexpr unsigned TIMER_EXIT_RETRY = 21;
// 10 s: the notification icon is added again while the shell has no notification area.
inline constexpr unsigned TIMER_TRAY_RETRY = 22;
// 5 s, at most 60 times: the session notifications are registered again while the terminal
// service is not ready (early in a logon).
inline constexpr unsigned TIMER_SESSION_RETRY = 23;
inline constexpr unsigned TIMER_RESCAN = 33;

// A registered message through which support tools and tests read the main window's state
// (wParam says what; the answer is the result): nothing is changed by it. The window may answer
// while it is still starting (a shell call lets other messages in), so callers wait for
// kQueryReady.
inline constexpr char kStateQueryMessage[] = "DimoraDdcciStateQuery";
inline constexpr unsigned kQueryTrayState = 1;    // 0 no icon, 1 coloured, 2 grey
inline constexpr unsigned kQueryCurrentPage = 2;  // 0, 1 or 2
inline constexpr unsigned kQueryMonitorCount = 3; // monitors that can be controlled
inline constexpr unsigned kQueryMainShown = 4;    // 1 while the main window is shown
inline constexpr unsigned kQueryReady = 5;        // 1 once the start-up has finished
inline constexpr unsigned kQueryKeepOnTop = 6;    // 1 while "Keep On Top" is checked
inline constexpr unsigned kQueryIconAfterMs = 7;  // ms from start-up to the icon, -1 without
// The tick count (GetTickCount) when the icon was added, 0 without: a driver that noted the tick
// when it started the program times the icon on one clock, whatever the program did afterwards.
inline constexpr unsigned kQueryIconTick = 8;
inline constexpr unsigned kQueryRescans = 9;        // monitor rescans since start-up, 1 at first
inline constexpr unsigned kQueryFilterReapply = 10; // 1 while the filter re-application waits
// The process's own CPU time so far (user and kernel), in ms: Wine reports another process's
// times as 0, so the idle benchmark asks each program for its own.
inline constexpr unsigned kQueryCpuMs = 11;
// The first entry (0-255) of the gamma ramp the display last written to gave back when it was
// read after the write, -1 before any write or when it could not be read: what the screen
// shows, not what was asked for. A filter luminance of L >= 0 starts the ramp at L, the display's
// own ramp at 0; a display that refused or ignored the ramp still gives its old one.
inline constexpr unsigned kQueryGammaRampStart = 12;
// The screen filter's luminance last given to the gamma objects, -1000 since they were restored:
// what tests read where the display answers no gamma calls.
inline constexpr unsigned kQueryFilterLuminance = 13;
// The program's own version resource as major << 16 | minor << 8 | patch: which version is
// running, after an upgrade.
inline constexpr unsigned kQueryVersion = 14;
// The process's GDI and USER objects (GetGuiResources, or what the program counts of itself where
// that answers 0, as under Wine): what the soak samples to find a leak.
inline constexpr unsigned kQueryGdiObjects = 15;
inline constexpr unsigned kQueryUserObjects = 16;
// Message boxes and modal dialogs of the program now open (counted by ModalLoop): what tests read
// while a box is open to see that it holds off the work that must wait for it.
inline constexpr unsigned kQueryModalLoops = 17;
