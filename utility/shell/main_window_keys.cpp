// The main window's keyboard: Alt+C and Enter on Close hide it, Ctrl+Tab cycles the pages, Tab
// moves between the tab control and the page, and a page's mnemonics reach the page.
#include "utility/shell/main_window_model.h"

#include "utility/shell/page_keys.h"

namespace {

constexpr unsigned kKeyTab = 0x09;    // VK_TAB
constexpr unsigned kKeyReturn = 0x0D; // VK_RETURN

} // namespace

KeyOutcome MainWindowModel::OnKeyDown(const KeyPress& key) {
    if (key.system) {
        if (key.key == 'C') {
            HideMainWindow();
            return KeyOutcome::Consumed;
        }
        return ForwardMnemonic(key.key) ? KeyOutcome::Consumed : KeyOutcome::Dispatch;
    }
    if (key.key == kKeyReturn) {
        // Enter never reaches the dialog: it would press the default button.
        if (key.focus == KeyFocus::CloseButton)
            HideMainWindow();
        return KeyOutcome::Consumed;
    }
    if (key.key != kKeyTab)
        return ForwardMnemonic(key.key) ? KeyOutcome::Consumed : KeyOutcome::Dispatch;
    if (key.ctrl) {
        const int next = NextPage(m_currentPage, key.shift);
        m_view.SelectTab(next);
        ShowPage(next);
        m_currentPage = next;
        return KeyOutcome::DispatchWithoutNavigation;
    }
    if ((!key.shift && key.focus == KeyFocus::TabControl) ||
        (key.shift && key.focus == KeyFocus::CloseButton)) {
        m_view.FocusPageControl(m_currentPage, key.shift ? PageFocus::Last : PageFocus::First);
        return KeyOutcome::DispatchWithoutNavigation;
    }
    return KeyOutcome::Dispatch;
}

// A key the page took as its own mnemonic is replayed to it: the original goes no further, or
// the dialog manager would press the same control a second time.
bool MainWindowModel::ForwardMnemonic(unsigned key) {
    return key >= 'A' && key <= 'Z' &&
           m_view.ForwardMnemonic(m_currentPage, static_cast<char>(key));
}
