// CDimoraApp, the utility's application object: single instance, start-up of the hidden main
// window, and the state that more than one window needs.
#pragma once

#include "framework/app_win.h"
#include "framework/handles_win.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/gamma.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/win/gamma_port_win.h"
#include "utility/monitor/win/ports_win.h"
#include "utility/settings/registry_win.h"

#include <cstdint>
#include <string>

class CDimoraApp : public CWinAppLite {
  public:
    CDimoraApp();

    bool InitInstance() override;
    int ExitInstance() override;

    // The display device name (\\.\DISPLAYn) of the monitor under the cursor, or of the monitor
    // that holds `window` (without a window: the main window, found by its class). A window on
    // no monitor gives an empty name; when no monitor is found in 5 seconds `name` is unchanged.
    void GetDisplayDeviceName(std::string& name, HWND window, bool atCursor);
    // `monitor` exists and its display device name is exactly `name`.
    static bool MonitorHasDeviceName(const std::string& name, const CMonitorStatus* monitor);
    // Some monitor of the list has a display device name equal to both names.
    bool AnyMonitorHasDeviceNames(const std::string& nameA, const std::string& nameB) const;
    // More than one display device that is not a mirroring driver.
    static bool IsMultiDisplay();
    // A pattern brush for `dialog`'s background, the large bitmap from 120 dpi on, stretched to
    // the client area at resolutions other than 96 and 120 dpi; answers the pattern's size.
    static SIZE CreatePageBrush(HWND dialog, ScopedBrush& brush, UINT normalBitmapId,
                                UINT largeBitmapId);

    // The platform behind the monitor layer and the settings store, for the program's life.
    Dxva2DdcPort m_ddcPort;
    Win32Clock m_clock;
    ToolhelpProcessPort m_processPort;
    Win32DisplayPort m_displayPort;
    PanqLibraryPort m_panqPort;
    Win32GammaPort m_gammaPort;
    Win32RegistryPort m_registryPort;

    ScopedKernelHandle m_hMutex;
    int m_mainShown = 0;
    int m_monitorListOpen = 0;
    int m_eyeCareOpen = 0;
    CMonitorStatusAll m_monitorsAll;
    HWND m_hwndMonitorList = nullptr;
    HWND m_hwndColorAdjust = nullptr;
    HWND m_hwndEyeCare = nullptr;
    HWND m_hwndFilterFileDialog = nullptr;
    HWND m_hwndEditMessage = nullptr;
    DeviceCtrl m_deviceCtrl;
    std::uint8_t m_startupOk = 1;
    std::string m_dataFolder;
    int m_filterOn = 0;
    int m_filterFileType = 0;
    std::string m_filterFilePath;
    int m_filterAlpha = 0;
    int m_filterLuminance = 0;
    HWND m_hwndFilterDialog = nullptr;
    GammaList m_gammaList;
    int m_filterDialogOpen = 0;
    // Tick count when the start-up began, for the start-up figure the state query reports.
    DWORD m_startTick = 0;

  private:
    bool RegisterMainWindowClass();
};

// The application object of this process.
CDimoraApp& TheApp();
