// DimoraDdcci: the monitor-control utility in the taskbar notification area.
#include "utility/shell/dimora_app_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CDimoraApp app;
    return app.Main();
}
