#include "framework/minimised_icon_win.h"

#include "framework/handles_win.h"

bool PaintMinimisedIcon(HWND window, HICON icon) {
    if (!::IsIconic(window))
        return false;
    PaintDC dc(window);
    ::SendMessage(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client{};
    ::GetClientRect(window, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, icon);
    return true;
}
