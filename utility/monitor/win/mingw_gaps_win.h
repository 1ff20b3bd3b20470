// Platform declarations that the MinGW-w64 headers lack, gathered in one place so each can go once
// the headers catch up. Every declaration matches the platform SDK's own.
#pragma once

#include "windows_win.h"

#include <physicalmonitorenumerationapi.h>

extern "C" {

// Not in MinGW-w64 (it has no lowlevelmonitorconfigurationapi.h): the code type of a VCP read.
typedef enum _MC_VCP_CODE_TYPE {
    MC_MOMENTARY,
    MC_SET_PARAMETER
} MC_VCP_CODE_TYPE,
    *LPMC_VCP_CODE_TYPE;

// Not in MinGW-w64 (no lowlevelmonitorconfigurationapi.h); libdxva2.a exports it.
BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE hMonitor, BYTE bVCPCode, LPMC_VCP_CODE_TYPE pvct,
                                            LPDWORD pdwCurrentValue, LPDWORD pdwMaximumValue);
// Not in MinGW-w64 (no lowlevelmonitorconfigurationapi.h); libdxva2.a exports it.
BOOL WINAPI SetVCPFeature(HANDLE hMonitor, BYTE bVCPCode, DWORD dwNewValue);
// Not in MinGW-w64 (no lowlevelmonitorconfigurationapi.h); libdxva2.a exports it.
BOOL WINAPI GetCapabilitiesStringLength(HANDLE hMonitor, LPDWORD pdwLength);
// Not in MinGW-w64 (no lowlevelmonitorconfigurationapi.h); libdxva2.a exports it.
BOOL WINAPI CapabilitiesRequestAndCapabilitiesReply(HANDLE hMonitor, LPSTR pszString,
                                                    DWORD dwLength);
}
