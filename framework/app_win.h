// CWinAppLite, the application object: one per process, made before any window. Its Main runs
// InitInstance, then the message loop until WM_QUIT (posted when the main window is destroyed),
// then ExitInstance.
#pragma once

#include "framework/mingw_gaps_win.h"

class CWnd;

class CWinAppLite {
  public:
    CWinAppLite();
    virtual ~CWinAppLite();
    CWinAppLite(const CWinAppLite&) = delete;
    CWinAppLite& operator=(const CWinAppLite&) = delete;

    // The application object of the process, or null before it exists.
    static CWinAppLite* Current();

    // InitInstance; when it succeeds the message loop; ExitInstance in every case. Answers the
    // process's exit code.
    int Main();

    // Start-up; false ends the program (ExitInstance still runs).
    virtual bool InitInstance() { return true; }
    // Clean-up after the loop; answers the exit code (by default the one WM_QUIT carried).
    virtual int ExitInstance() { return m_exitCode; }
    // First look at each queued message; true consumes it. By default the wrappers of the
    // target window and its parents see it (CWnd::PreTranslateMessage), innermost first, so a
    // main window can act on keys before its controls and modeless dialogs navigate.
    virtual bool PreTranslateMessage(MSG& msg);

    // The message loop: runs until WM_QUIT and answers ExitInstance().
    int Run();

    // The program's main window: its destruction ends the message loop.
    CWnd* m_pMainWnd = nullptr;

  protected:
    int m_exitCode = 0;
};
