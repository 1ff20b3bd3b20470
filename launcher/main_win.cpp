// launcher: the distribution disk's opening menu.
#include "launcher/launcher_app_win.h"
#include "launcher/start_marks_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    start_marks::Mark("entry");
    CLauncherApp app;
    return app.Main();
}
