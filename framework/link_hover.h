// LinkHover: when a link control is hovered and when it holds the mouse capture. A link turns
// hovered on the first mouse move over it and keeps the mouse captured while hovered, so that it
// sees every move and notices when the pointer leaves, wherever the pointer goes.
//
// The capture is taken only when the control does not already hold it: taking or releasing the
// capture makes the system send the window under the pointer a mouse move, so re-taking it on
// every move would keep a pointer resting on a link busy forever.
#pragma once

// What the hover logic needs from its control: the mouse capture and a repaint.
class LinkHoverPort {
  public:
    virtual ~LinkHoverPort() = default;
    // Whether this control holds the mouse capture.
    virtual bool HasCapture() const = 0;
    virtual void SetCapture() = 0;
    // Lets go of the mouse capture this control holds.
    virtual void ReleaseCapture() = 0;
    // Repaints the control at once, in the colours of its present state.
    virtual void Redraw() = 0;
};

// What a mouse move did to the hover state.
enum class HoverChange {
    None,    // unchanged: the default processing of the move follows
    Entered, // the control turned hovered: the default processing follows
    Left,    // the pointer left: the move is fully handled, no default processing
};

class LinkHover {
  public:
    explicit LinkHover(LinkHoverPort& port) : m_port(port) {}

    bool IsHovered() const { return m_hovered; }

    // A mouse move that reached the control, at a point inside its client area (`inside`) or,
    // while it holds the capture, anywhere. With `canHover` false (an inactive window, a
    // disabled control) the control lets go of the mouse and the state stays as it is.
    HoverChange OnMouseMove(bool inside, bool canHover = true);
    // Puts the state to `hovered`, lets go of the mouse and repaints: before a click's action,
    // or when the window around the link stops being active.
    void Reset(bool hovered);

  private:
    void TakeCapture();
    void LetGoOfCapture();

    LinkHoverPort& m_port;
    bool m_hovered = false;
};
