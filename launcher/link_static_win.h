// CLinkStatic: what the launcher's two link controls share. A static text shown as a link:
// bold and underlined, blue, red while hovered, with the hand cursor over it and click
// notifications on.
#pragma once

#include "framework/handles_win.h"
#include "framework/static_win.h"

class CLinkStatic : public CStatic {
  public:
    static constexpr COLORREF kNormalColor = RGB(0, 0, 255);
    static constexpr COLORREF kHoverColor = RGB(255, 0, 0);

    bool IsHovered() const { return m_hovered != 0; }

  protected:
    // Turns click notifications on and gives the control its bold, underlined font.
    void PreSubclassWindow() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The text colour by the hover state. The parent's own colour handling then runs as well
    // and gives the background: a page returns its skin brush, so the link's text sits on the
    // page's picture and a changed text leaves nothing of the old one behind.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    int m_hovered = 0;

  private:
    ScopedFont m_font;
};
