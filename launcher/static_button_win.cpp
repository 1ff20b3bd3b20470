#include "launcher/static_button_win.h"

#include "launcher/link_look_win.h"

CStaticButton::CStaticButton(const int& windowActive)
    : CLinkStatic(kLauncherLinkLook), m_windowActive(windowActive) {}

void CStaticButton::Setup(const ItemInfo* item, const std::wstring* hoverText,
                          const std::wstring* defaultText, HWND description) {
    m_item = item;
    m_hoverText = hoverText;
    m_defaultText = defaultText;
    m_description = description;
    m_currentText = defaultText;
    // A place without an item keeps the template's empty text.
    if (item)
        SetWindowText(item->title.c_str());
    else if (::GetWindowTextLength(m_hWnd) > 0)
        SetWindowText(L"");
    // A page sets its buttons up before it is shown: its first paint draws them, and the page
    // puts its default text into the description once. Each redraw and text here would be
    // calls to the window system for nothing.
    if (IsWindowVisible()) {
        RedrawNow();
        ShowDescription(m_currentText);
    }
}

void CStaticButton::ResetHover(int state) {
    CLinkStatic::ResetHover(state != 0);
    if (state == 0) {
        m_currentText = m_defaultText;
        ShowDescription(m_currentText);
    }
}

void CStaticButton::OnHoverChanged(bool hovered) {
    m_currentText = hovered ? m_hoverText : m_defaultText;
    ShowDescription(m_currentText);
}

void CStaticButton::ShowDescription(const std::wstring* text) {
    if (!m_description)
        return;
    ::SetWindowText(m_description, text ? text->c_str() : L"");
    ::RedrawWindow(m_description, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
