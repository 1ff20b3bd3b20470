// The main window's keyboard: Alt+C and Enter on Close hide it, Ctrl+Tab cycles the pages, Tab
// steps into the shown page, and page mnemonics work while the tab control has the focus.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/res/resource.h"
#include "utility/shell/page_keys.h"

namespace {

// The first control in tab order of each page, by tab position.
constexpr int kFirstControl[kPageCount] = {1029, 1008, 1008};
constexpr BYTE kReplayScanCode = 0x45;

bool KeyDown(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

} // namespace

bool CDimoraDlg::PreTranslateMessage(MSG& msg) {
    // Only keys that reach the main window itself: the tab control or Close has the focus.
    const bool own = msg.hwnd == m_hWnd || msg.hwnd == m_tab.GetSafeHwnd() ||
                     msg.hwnd == m_btnClose.GetSafeHwnd();
    if (own && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        bool navigate = true;
        if (HandleKey(msg, navigate))
            return true;
        if (!navigate)
            return false; // dispatched as it is, without dialog navigation
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CDimoraDlg::HandleKey(const MSG& msg, bool& navigate) {
    const WPARAM key = msg.wParam;
    if (msg.message == WM_SYSKEYDOWN) {
        if (key == 'C') {
            HideMainWindow();
            return true;
        }
        ForwardMnemonic(key);
        return false;
    }
    if (key == VK_RETURN) {
        if (::GetFocus() == m_btnClose.GetSafeHwnd())
            HideMainWindow();
        return true;
    }
    if (key != VK_TAB) {
        ForwardMnemonic(key);
        return false;
    }
    const bool shift = KeyDown(VK_SHIFT);
    if (KeyDown(VK_CONTROL)) {
        const int next = NextPage(m_currentPage, shift);
        m_tab.SetCurSel(next);
        ShowPage(next);
        m_currentPage = next;
        navigate = false;
        return false;
    }
    const HWND focus = ::GetFocus();
    if ((!shift && focus == m_tab.GetSafeHwnd()) || (shift && focus == m_btnClose.GetSafeHwnd())) {
        CDialog& page = Page(m_currentPage);
        HWND target = page.GetDlgItem(kFirstControl[m_currentPage]);
        if (target && shift)
            target = ::GetNextDlgTabItem(page.GetSafeHwnd(), target, TRUE);
        if (target)
            ::SetFocus(target);
        navigate = false;
    }
    return false;
}

void CDimoraDlg::ForwardMnemonic(WPARAM key) {
    if (key < 'A' || key > 'Z')
        return;
    CDialog& page = Page(m_currentPage);
    const HWND first = page.GetDlgItem(kFirstControl[m_currentPage]);
    HWND control = first;
    while (control) {
        char text[256] = {};
        ::GetWindowTextA(control, text, sizeof text);
        if (HasMnemonic(text, static_cast<char>(key))) {
            // Focus the control and replay the key, so that the page acts on its own mnemonic.
            SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            const BYTE vk = static_cast<BYTE>(key);
            ::keybd_event(vk, kReplayScanCode, KEYEVENTF_EXTENDEDKEY, 0);
            ::keybd_event(vk, kReplayScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
            return;
        }
        control = ::GetNextDlgTabItem(page.GetSafeHwnd(), control, FALSE);
        if (control == first)
            break;
    }
}
