// launcher: the distribution disk's opening menu.
#include "launcher/launcher_app_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CLauncherApp app;
    return app.Main();
}
