// CLinkStatic: a static text of a dialog template shown as a link. It reports clicks, draws its
// text underlined, in one colour normally and another while the pointer is over it, and shows
// the program's link cursor. The hover and the mouse capture follow LinkHover.
#pragma once

#include "framework/handles_win.h"
#include "framework/link_hover.h"
#include "framework/static_win.h"

// How a link looks: the program's colours, cursor and font weight.
struct LinkLook {
    COLORREF normalColor;
    COLORREF hoverColor;
    // Cursor resource of the program, shown while the pointer is over the link.
    UINT cursorId;
    // Font weight of the link text; 0 keeps the control's.
    LONG weight = 0;
    // Answer the control colour with the hollow brush (the parent's background shows through).
    // Without it the link sets only its text colour and the parent's colour handling gives the
    // background brush.
    bool hollowBackground = true;
};

class CLinkStatic : public CStatic, private LinkHoverPort {
  public:
    explicit CLinkStatic(const LinkLook& look) : m_look(look) {}

    bool IsHovered() const { return m_hover.IsHovered(); }

  protected:
    // Turns click notifications on and gives the control its underlined font.
    void PreSubclassWindow() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The control colour, reflected by the parent: the text colour of the hover state.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Whether a mouse move may light the link up now; always, unless a derived link says not.
    virtual bool CanHover() const { return true; }
    // The pointer entered (true) or left (false) the link.
    virtual void OnHoverChanged(bool /*hovered*/) {}
    // Sets the hover state, lets go of the mouse and repaints (OnHoverChanged is not called).
    void ResetHover(bool hovered) { m_hover.Reset(hovered); }

  private:
    bool HasCapture() const override { return ::GetCapture() == m_hWnd; }
    void SetCapture() override { ::SetCapture(m_hWnd); }
    void ReleaseCapture() override { ::ReleaseCapture(); }
    void Redraw() override { RedrawNow(); }

    HoverChange OnMouseMove(LPARAM point);
    bool SetLinkCursor();

    LinkLook m_look;
    LinkHover m_hover{*this};
    ScopedFont m_font;
};
