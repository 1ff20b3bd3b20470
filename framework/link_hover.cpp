#include "framework/link_hover.h"

HoverChange LinkHover::OnMouseMove(bool inside, bool canHover) {
    if (!canHover) {
        LetGoOfCapture();
        return HoverChange::None;
    }
    if (m_hovered) {
        if (inside) {
            // Normally captured already; taken again only if something else took it away.
            TakeCapture();
            return HoverChange::None;
        }
        m_hovered = false;
        LetGoOfCapture();
        m_port.Redraw();
        return HoverChange::Left;
    }
    // Any move while not hovered enters: without the capture, moves come only from inside.
    m_hovered = true;
    m_port.Redraw();
    TakeCapture();
    return HoverChange::Entered;
}

void LinkHover::Reset(bool hovered) {
    m_hovered = hovered;
    LetGoOfCapture();
    m_port.Redraw();
}

void LinkHover::TakeCapture() {
    if (!m_port.HasCapture())
        m_port.SetCapture();
}

void LinkHover::LetGoOfCapture() {
    if (m_port.HasCapture())
        m_port.ReleaseCapture();
}
