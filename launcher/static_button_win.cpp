#include "launcher/static_button_win.h"

#include "launcher/launcher_app_win.h"

#include <windowsx.h>

namespace {

void RedrawWindowNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace

void CStaticButton::Setup(const ItemInfo* item, const std::wstring* hoverText,
                          const std::wstring* defaultText, HWND description) {
    m_item = item;
    m_hoverText = hoverText;
    m_defaultText = defaultText;
    m_description = description;
    m_currentText = defaultText;
    SetWindowText(item ? item->title.c_str() : L"");
    RedrawNow();
    ShowDescription(m_currentText);
}

void CStaticButton::ResetHover(int state) {
    m_hovered = state;
    ::ReleaseCapture();
    RedrawNow();
    if (state == 0) {
        m_currentText = m_defaultText;
        ShowDescription(m_currentText);
    }
}

void CStaticButton::ShowDescription(const std::wstring* text) {
    if (!m_description)
        return;
    ::SetWindowText(m_description, text ? text->c_str() : L"");
    RedrawWindowNow(m_description);
}

LRESULT CStaticButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && !OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return 0;
    return CLinkStatic::OnMessage(message, wParam, lParam);
}

bool CStaticButton::OnMouseMove(POINT point) {
    ::ReleaseCapture();
    // An inactive launcher highlights nothing; a disabled item never lights up (a move can
    // still reach it while another control holds the mouse).
    if (!TheApp().windowActive || !IsWindowEnabled())
        return true;
    ::SetCapture(m_hWnd);
    if (m_hovered) {
        const RECT client = GetClientRect();
        if (::PtInRect(&client, point))
            return true;
        m_hovered = 0;
        ::ReleaseCapture();
        RedrawNow();
        m_currentText = m_defaultText;
        ShowDescription(m_currentText);
        return false;
    }
    m_hovered = 1;
    RedrawNow();
    m_currentText = m_hoverText;
    ShowDescription(m_currentText);
    ::SetCapture(m_hWnd);
    return true;
}
