// CWnd's windows: creating one, subclassing or attaching an existing one, and the helpers that
// ask and change a window.
#include "framework/wnd_win.h"

#include "framework/res_string_win.h"

#include <utility>

bool CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id) {
    if (m_hWnd)
        return false;
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    return CreateRouted([&] {
               return ::CreateWindowEx(exStyle, className, windowName, style, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                       ResourceModule(), nullptr);
           }) != nullptr;
}

bool CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWnd::SubclassWindow(HWND window) {
    if (m_hWnd || !window || !::IsWindow(window) || FromHandle(window))
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    WNDPROC original = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
    if (!original) {
        m_hWnd = nullptr;
        return false;
    }
    Bind(window, original, false);
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) {
    return SubclassDlgItem(id, parent.m_hWnd);
}

bool CWnd::SubclassDlgItem(int id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, id));
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (m_routed)
        Unbind();
    m_hWnd = nullptr;
    return window;
}

bool CWnd::Attach(HWND window) {
    if (m_hWnd || !window)
        return false;
    m_hWnd = window;
    return true;
}

HWND CWnd::Detach() {
    if (m_routed)
        return UnsubclassWindow();
    return std::exchange(m_hWnd, nullptr);
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
}

bool CWnd::WalkPreTranslateTree(MSG& msg) {
    for (HWND window = msg.hwnd; window;) {
        if (CWnd* wnd = FromHandle(window); wnd && wnd->PreTranslateMessage(msg))
            return true;
        if (!(::GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD))
            break;
        window = ::GetParent(window);
    }
    return false;
}

TString CWnd::GetWindowText() const {
    int length = ::GetWindowTextLength(m_hWnd);
    if (length <= 0)
        return TString();
    TString text(static_cast<std::size_t>(length) + 1, TEXT('\0'));
    int copied = ::GetWindowText(m_hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) {
    return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        repaint) != FALSE;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    const DWORD current = GetStyle();
    const DWORD style = (current & ~remove) | add;
    // A style already as asked costs the window no change and no frame recalculation.
    if (style == current)
        return;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    if (swpFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     swpFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         SWP_FRAMECHANGED);
}
