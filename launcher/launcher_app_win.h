// CLauncherApp, the disk menu's application object: the program folder, the caption and tabs
// read from the information file, and the flags its windows share. It runs the main dialog
// modally and ends with it; there is no single-instance check.
#pragma once

#include "framework/app_win.h"
#include "launcher/core/launcher_info.h"
#include "launcher/item_actions_win.h"

#include <string>

class CLauncherApp : public CWinAppLite {
  public:
    CLauncherApp();
    ~CLauncherApp() override;

    bool InitInstance() override;

    // Reads the information file (programFolder + string 104) into launcherTitle and tabs.
    void LoadLauncherInfo();
    // Frees the tabs and everything they own.
    void ReleaseLauncherInfo();

    // The launcher's folder with its trailing backslash.
    std::wstring programFolder;
    std::wstring launcherTitle;
    TabList tabs;
    // The kind (0 to 2) of the item page being created; read by the page while it initialises.
    int creatingPageKind = 0;
    // 1 while the application sub-item dialog is open.
    int subDialogOpen = 0;
    // 1 while a model or language selection dialog is open.
    int selectionDialogOpen = 0;
    // 1 while the main window is active.
    int windowActive = 0;
    // The tab control's client rectangle, taken once while the main window initialises.
    RECT tabClientRect{};
    // The installers started from any page or sub-item dialog: Exit starts their programs.
    RegisteredApps registeredApps;
    // The folder, the dialog flags and the started installers, as the item actions see them.
    const LaunchContext launch{programFolder, selectionDialogOpen, subDialogOpen, registeredApps};
};

// The folder part of `modulePath`: everything up to and including its last backslash (empty
// when it has none).
std::wstring FolderOfPath(const std::wstring& modulePath);
