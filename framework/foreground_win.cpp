#include "framework/foreground_win.h"

void BringToForeground(HWND window) {
    DWORD timeout = 0;
    ::SystemParametersInfo(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    ::SystemParametersInfo(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    ::SetForegroundWindow(window);
    ::SystemParametersInfo(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                           reinterpret_cast<void*>(static_cast<ULONG_PTR>(timeout)), 0);
}
