#include "launcher/hyper_link_win.h"

#include <shellapi.h>
#include <windowsx.h>

void CHyperLink::SetURL(const std::wstring& url) {
    m_url = url;
    SetWindowText(m_url.c_str());
}

LRESULT CHyperLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && !OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return 0;
    return CLinkStatic::OnMessage(message, wParam, lParam);
}

// As an item link, but always (the link needs no active main window) and only the colour
// changes.
bool CHyperLink::OnMouseMove(POINT point) {
    ::ReleaseCapture();
    ::SetCapture(m_hWnd);
    if (m_hovered) {
        const RECT client = GetClientRect();
        if (::PtInRect(&client, point))
            return true;
        m_hovered = 0;
        ::ReleaseCapture();
        RedrawNow();
        return false;
    }
    m_hovered = 1;
    RedrawNow();
    ::SetCapture(m_hWnd);
    return true;
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        m_hovered = 0;
        ::ReleaseCapture();
        RedrawNow();
        // A page without an address has nothing to open (an empty name would open a folder).
        if (!m_url.empty())
            ::ShellExecuteW(nullptr, L"open", m_url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        result = 0;
        return true;
    }
    return CLinkStatic::OnChildNotify(message, wParam, lParam, result);
}
