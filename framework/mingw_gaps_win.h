// The Windows headers as every framework file includes them, and what MinGW-w64 lacks or what the
// programs must look up at run time, gathered in one place with the reason for each line.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX // std::min and std::max, not the macros
#endif
#ifndef STRICT
#define STRICT // distinct handle types, so a font is never passed where a brush is expected
#endif

#include <windows.h>

#include <commctrl.h>
#include <physicalmonitorenumerationapi.h>

// Looked up at run time: uxtheme.dll is optional, and a program without it keeps the classic look.
using SetWindowThemeFn = HRESULT(WINAPI*)(HWND window, LPCWSTR subAppName, LPCWSTR subIdList);

// Looked up at run time in kernel32: absent before Windows XP SP2, and a 32-bit program asks it
// whether it runs on 64-bit Windows.
using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE process, PBOOL wow64);

// Looked up at run time in kernel32: from Vista on, Restart Manager starts a program registered
// with it again once the installer that closed it has finished.
using RegisterApplicationRestartFn = HRESULT(WINAPI*)(PCWSTR commandLine, DWORD flags);

// Looked up at run time in kernel32: Windows 2000 lacks it, and from Vista on it chooses the
// language the resource loader and the system's own dialogs use for the calling thread.
using SetThreadUILanguageFn = LANGID(WINAPI*)(LANGID language);

extern "C" {

// The monitor-configuration calls of dxva2: MinGW-w64 has no lowlevelmonitorconfigurationapi.h,
// so they are declared here as the platform SDK declares them; libdxva2.a exports them.
typedef enum _MC_VCP_CODE_TYPE {
    MC_MOMENTARY,
    MC_SET_PARAMETER
} MC_VCP_CODE_TYPE,
    *LPMC_VCP_CODE_TYPE;

BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE hMonitor, BYTE bVCPCode, LPMC_VCP_CODE_TYPE pvct,
                                            LPDWORD pdwCurrentValue, LPDWORD pdwMaximumValue);
BOOL WINAPI SetVCPFeature(HANDLE hMonitor, BYTE bVCPCode, DWORD dwNewValue);
BOOL WINAPI GetCapabilitiesStringLength(HANDLE hMonitor, LPDWORD pdwLength);
BOOL WINAPI CapabilitiesRequestAndCapabilitiesReply(HANDLE hMonitor, LPSTR pszString,
                                                    DWORD dwLength);
}

// Message filters for user-interface isolation, looked up at run time in user32: the per-window
// filter exists from Windows 7 on (its declarations need WINVER 0x0601), the per-process one from
// Vista on.
#ifndef MSGFLT_ALLOW
#define MSGFLT_ALLOW 1
#endif
#ifndef MSGFLT_ADD
#define MSGFLT_ADD 1
#endif
using ChangeWindowMessageFilterExFn = BOOL(WINAPI*)(HWND window, UINT message, DWORD action,
                                                    void* changeFilterStruct);
using ChangeWindowMessageFilterFn = BOOL(WINAPI*)(UINT message, DWORD flag);
