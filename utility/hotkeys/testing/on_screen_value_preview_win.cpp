// on_screen_value_preview: shows the on-screen value with sample contents over the primary
// display, for the run command's screenshots, in the language the utility would choose.
//   on_screen_value_preview value|mode|refused [SECONDS]
// value: brightness at 70 with its bar; mode: a picture mode's name; refused: a refused key. The
// window is shown again every second, as a held key would show it, so it stays until SECONDS
// (default 4) have passed.
#include "framework/res_language_win.h"
#include "framework/res_string_win.h"
#include "utility/hotkeys/on_screen_value_win.h"
#include "utility/hotkeys/testing/on_screen_value_preview_ids.h"
#include "utility/text/ui_language.h"

#include <cstdlib>
#include <cstring>

namespace {

bool Sample(const char* kind, OnScreenValue& sample) {
    if (std::strcmp(kind, "value") == 0) {
        sample.monitor = LoadResString(IDS_PREVIEW_MONITOR_1);
        sample.control = LoadResString(IDS_PREVIEW_BRIGHTNESS);
        sample.hasValue = true;
        sample.value = 70;
    } else if (std::strcmp(kind, "mode") == 0) {
        sample.monitor = LoadResString(IDS_PREVIEW_MONITOR_2);
        sample.control = LoadResString(IDS_PREVIEW_MODE);
        sample.text = LoadResString(IDS_PREVIEW_MOVIE_MODE);
    } else if (std::strcmp(kind, "refused") == 0) {
        sample.monitor = LoadResString(IDS_PREVIEW_MONITOR_1);
        sample.control = LoadResString(IDS_PREVIEW_CONTRAST);
        sample.text = LoadResString(IDS_PREVIEW_REFUSED);
        sample.refused = true;
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    SetResourceLanguage(ResourceLanguageFor(::GetACP(), ::GetUserDefaultUILanguage()));
    OnScreenValue sample;
    if (argc < 2 || !Sample(argv[1], sample))
        return 2;
    const DWORD seconds = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 4;
    OnScreenValueWindow osd;
    osd.Show(nullptr, sample, "");
    ::SetTimer(nullptr, 0, 1000, nullptr);
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < seconds * 1000 && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd)
            osd.Show(nullptr, sample, "");
        ::DispatchMessageA(&msg);
    }
    return 0;
}
