// CStaticButton: one item link of an item page. It shows its item's title and, while the
// pointer is over it (and the main window is active), turns red and puts the item's caption
// into the page's description line; leaving it puts the default text back. The mouse stays
// captured while it is hovered, so leaving is noticed wherever the pointer goes.
#pragma once

#include "framework/link_static_win.h"
#include "launcher/core/launcher_info.h"

#include <string>

class CStaticButton : public CLinkStatic {
  public:
    // `windowActive` is the main window's active flag (1 while active); it must outlive the
    // button.
    explicit CStaticButton(const int& windowActive);

    // Binds the button to `item` (null for an empty button): its title becomes the text, the
    // current description text becomes `defaultText`, shown in `description` at once when the
    // button is visible (a page not yet shown shows its default text itself).
    // The strings must outlive the button (they belong to the item and the page).
    void Setup(const ItemInfo* item, const std::wstring* hoverText, const std::wstring* defaultText,
               HWND description);
    // Sets the hover state (0 or 1) and lets go of the mouse; state 0 also puts the default
    // text back into the description.
    void ResetHover(int state);

    const ItemInfo* Item() const { return m_item; }

  protected:
    // An inactive launcher highlights nothing; a disabled item never lights up (a move can
    // still reach it while another control holds the mouse).
    bool CanHover() const override { return m_windowActive != 0 && IsWindowEnabled(); }
    void OnHoverChanged(bool hovered) override;

  private:
    void ShowDescription(const std::wstring* text);

    const int& m_windowActive;
    const ItemInfo* m_item = nullptr;
    const std::wstring* m_hoverText = nullptr;
    const std::wstring* m_defaultText = nullptr;
    const std::wstring* m_currentText = nullptr;
    HWND m_description = nullptr;
};
