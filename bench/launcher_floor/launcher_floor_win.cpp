// launcher_floor: the floor of the disk menu's start-up benchmark. It does only what any
// program that builds its window from the disk's XML description must: COM for its thread, the
// system's XML DOM document with the description (the file named on its command line) read
// into it, then one window of the menu's size with one tab control of the version 6 common
// controls (the menu's manifest asks for them), shown. It records the same start-up marks
// as the menu, so that the benchmark compares the two on one clock.
#include "launcher/start_marks_win.h"
#include "xml/win/xml_dom_msxml_win.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"DimoraLauncherFloor";
// The menu's dialog at 96 dpi, frame included.
constexpr int kWidth = 626;
constexpr int kHeight = 412;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam)
            start_marks::WindowShown();
        break;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    start_marks::Mark("entry");
    MsxmlDocument description;
    description.Load(commandLine ? std::wstring(commandLine) : std::wstring());
    start_marks::Mark("description read");
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassW(&wc))
        return 1;
    const HWND window =
        ::CreateWindowExW(0, kClassName, L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    RECT client{};
    ::GetClientRect(window, &client);
    ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 8, 8, client.right - 16,
                      client.bottom - 56, window, nullptr, instance, nullptr);
    start_marks::Mark("window made");
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
