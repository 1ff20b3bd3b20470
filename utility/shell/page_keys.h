// Keyboard rules of the main window that need no window: tab cycling and mnemonic matching.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr int kPageCount = 3;

// Ctrl+Tab goes to the next page and Ctrl+Shift+Tab to the previous one, wrapping around.
int NextPage(int current, bool backwards);

// True when a control's text marks `letter` (A-Z, either case) as its mnemonic: an "&" followed
// by the letter. A doubled "&&" is a literal ampersand, not a mnemonic.
bool HasMnemonic(std::string_view text, char letter);

// Walks a page's controls in tab order, starting at `first`, until the walk comes back to
// `first` or has made `controlCount` steps, and answers the first control whose text marks
// `letter`. `next(control)` gives the control after `control` in tab order (or an empty
// Control); `text(control)` its text. The step limit matters: the system's tab-order walk skips
// disabled and hidden controls, so it never comes back to a first control that is one of them.
template <typename Control, typename Next, typename Text>
std::optional<Control> FindMnemonicControl(Control first, int controlCount, char letter, Next next,
                                           Text text) {
    Control control = first;
    for (int step = 0; control && step < controlCount; ++step) {
        if (HasMnemonic(std::string_view(text(control)), letter))
            return control;
        control = next(control);
        if (control == first)
            break;
    }
    return std::nullopt;
}
