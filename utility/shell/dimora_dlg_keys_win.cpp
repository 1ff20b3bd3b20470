// The main window's keyboard: keys that reach the main window itself (the tab control or Close
// has the focus) go to the model; focusing a page's control and replaying a mnemonic to it are
// done here.
#include "utility/shell/dimora_dlg_win.h"

#include "utility/shell/page_keys.h"

namespace {

// The first control in tab order of each page, by tab position.
constexpr int kFirstControl[kPageCount] = {1029, 1008, 1008};
constexpr BYTE kReplayScanCode = 0x45;

bool KeyDown(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

int ChildCount(HWND parent) {
    int count = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace

bool CDimoraDlg::PreTranslateMessage(MSG& msg) {
    const bool own = msg.hwnd == m_hWnd || msg.hwnd == m_tab.GetSafeHwnd() ||
                     msg.hwnd == m_btnClose.GetSafeHwnd();
    if (own && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        const KeyPress key{static_cast<unsigned>(msg.wParam), msg.message == WM_SYSKEYDOWN,
                           KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), FocusOfKey()};
        switch (m_model.OnKeyDown(key)) {
        case KeyOutcome::Consumed:
            return true;
        case KeyOutcome::DispatchWithoutNavigation:
            return false;
        case KeyOutcome::Dispatch:
            break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

KeyFocus CDimoraDlg::FocusOfKey() const {
    const HWND focus = ::GetFocus();
    if (focus && focus == m_tab.GetSafeHwnd())
        return KeyFocus::TabControl;
    if (focus && focus == m_btnClose.GetSafeHwnd())
        return KeyFocus::CloseButton;
    return KeyFocus::Other;
}

void CDimoraDlg::FocusPageControl(int page, PageFocus where) {
    CDialog& dialog = Page(page);
    HWND target = dialog.GetDlgItem(kFirstControl[page]);
    if (target && where == PageFocus::Last)
        target = ::GetNextDlgTabItem(dialog.GetSafeHwnd(), target, TRUE);
    if (target)
        ::SetFocus(target);
}

bool CDimoraDlg::ForwardMnemonic(int page, char letter) {
    CDialog& dialog = Page(page);
    const HWND pageWindow = dialog.GetSafeHwnd();
    const auto control = FindMnemonicControl(
        dialog.GetDlgItem(kFirstControl[page]), ChildCount(pageWindow), letter,
        [&](HWND c) { return ::GetNextDlgTabItem(pageWindow, c, FALSE); },
        [](HWND c) {
            char text[256] = {};
            ::GetWindowTextA(c, text, sizeof text);
            return std::string(text);
        });
    if (!control)
        return false;
    // Focus the control and replay the key, so that the page acts on its own mnemonic.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(*control), TRUE);
    const BYTE vk = static_cast<BYTE>(letter);
    ::keybd_event(vk, kReplayScanCode, KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event(vk, kReplayScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return true;
}
