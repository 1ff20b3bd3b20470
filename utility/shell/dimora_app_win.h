// CDimoraApp, the utility's application object: single instance, start-up of the hidden main
// window, and the owner of everything that more than one window needs. It is the composition
// root: it hands each window references to what that window uses; no window reaches back into
// it.
#pragma once

#include "framework/app_win.h"
#include "framework/handles_win.h"
#include "utility/eyecare/filter_bitmap_win.h"
#include "utility/eyecare/filter_settings.h"
#include "utility/monitor/current_monitor.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/gamma.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/win/gamma_port_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/settings/registry_win.h"
#include "utility/text/code_page_win.h"
#include "utility/ui/resource_strings_win.h"
#include "utility/ui/shell_state.h"

#include <string>

class CDimoraApp : public CWinAppLite {
  public:
    // `startTick`: the tick count at the program's first line, for the start-up figure.
    explicit CDimoraApp(DWORD startTick);

    bool InitInstance() override;
    int ExitInstance() override;

  private:
    bool RegisterMainWindowClass();

    // The platform behind the monitor layer and the settings store, for the program's life.
    Dxva2DdcPort m_ddcPort;
    Win32Clock m_clock;
    ToolhelpProcessPort m_processPort;
    Win32DisplayPort m_displayPort;
    PanqLibraryPort m_panqPort;
    SystemCodePage m_codePage;
    Win32GammaPort m_gammaPort;
    Win32RegistryPort m_registryPort;
    ResourceStrings m_strings;
    // GDI+ decodes the filter pictures; one session for the whole run.
    GdiplusSession m_gdiplus;

    ScopedKernelHandle m_hMutex;
    // Which windows are open, the auxiliary dialogs' handles and whether start-up succeeded.
    ShellState m_shell;
    CMonitorStatusAll m_monitorsAll;
    DeviceCtrl m_deviceCtrl;
    CurrentMonitor m_currentMonitor;
    std::string m_dataFolder;
    // The screen filter as applied now.
    FilterSettings m_filter;
    GammaList m_gammaList;
    // Tick count when the program's code began, for the start-up figure the state query reports.
    DWORD m_startTick;
};
