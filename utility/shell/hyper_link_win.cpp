#include "utility/shell/hyper_link_win.h"

#include "framework/font_win.h"
#include "framework/res_string_win.h"

#include <shellapi.h>
#include <windowsx.h>

void CHyperLink::PreSubclassWindow() {
    // Without SS_NOTIFY a static neither reports clicks nor receives the mouse.
    ModifyStyle(0, SS_NOTIFY);
    LOGFONT description = FontDescription(GetFont());
    description.lfUnderline = TRUE;
    m_font.Reset(::CreateFontIndirect(&description));
    SetFont(m_font.Get(), true);
    m_url = LoadResString(kUrlStringId);
    SetWindowText(m_url.c_str());
    CStatic::PreSubclassWindow();
}

LRESULT CHyperLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_hWnd) {
            if (HCURSOR cursor = ::LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(kCursorId))) {
                ::SetCursor(cursor);
                return TRUE;
            }
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (!m_hover)
            return 0;
        break;
    default:
        break;
    }
    return CStatic::OnMessage(message, wParam, lParam);
}

// The mouse capture tells when the pointer leaves: while hovered, every move comes here, also
// from outside the control.
void CHyperLink::OnMouseMove(POINT point) {
    ::ReleaseCapture();
    ::SetCapture(m_hWnd);
    if (m_hover) {
        RECT client = GetClientRect();
        if (!::PtInRect(&client, point)) {
            m_hover = 0;
            ::ReleaseCapture();
            RedrawNow();
        }
        return;
    }
    m_hover = 1;
    RedrawNow();
    ::SetCapture(m_hWnd);
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, m_hover ? m_colorHover : m_colorNormal);
        ::SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        m_hover = 0;
        ::ReleaseCapture();
        RedrawNow();
        OpenUrl(m_url);
        result = 0;
        return true;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}

void CHyperLink::OpenUrl(const std::string& url) {
    ::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
