// The link hover rules on a recording port: which moves change the state, and exactly which
// capture calls each one makes.
#include "framework/link_hover.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records the calls as letters: S set capture, R release capture, D redraw.
class RecordingPort : public LinkHoverPort {
  public:
    bool captured = false;
    std::string calls;

    bool HasCapture() const override { return captured; }
    void SetCapture() override {
        captured = true;
        calls += 'S';
    }
    void ReleaseCapture() override {
        captured = false;
        calls += 'R';
    }
    void Redraw() override { calls += 'D'; }
};

struct MoveCase {
    const char* name;
    bool hovered;
    bool captured;
    bool inside;
    bool canHover;
    HoverChange change;
    bool hoveredAfter;
    bool capturedAfter;
    const char* calls;
};

TEST(LinkHover, MouseMoves) {
    const MoveCase cases[] = {
        {"entering takes the capture", false, false, true, true, HoverChange::Entered, true, true,
         "DS"},
        {"hovered and captured: the capture is left alone", true, true, true, true,
         HoverChange::None, true, true, ""},
        {"hovered but the capture was taken away: taken again", true, false, true, true,
         HoverChange::None, true, true, "S"},
        {"leaving releases the capture", true, true, false, true, HoverChange::Left, false, false,
         "RD"},
        {"a captured move from outside while not hovered enters", false, true, false, true,
         HoverChange::Entered, true, true, "D"},
        {"cannot hover: lets go, state kept", true, true, true, false, HoverChange::None, true,
         false, "R"},
        {"cannot hover, nothing held: no calls", false, false, true, false, HoverChange::None,
         false, false, ""},
    };
    for (const MoveCase& c : cases) {
        RecordingPort port;
        LinkHover hover(port);
        if (c.hovered)
            hover.OnMouseMove(true);
        port.captured = c.captured;
        port.calls.clear();

        EXPECT_EQ(hover.OnMouseMove(c.inside, c.canHover), c.change) << c.name;
        EXPECT_EQ(hover.IsHovered(), c.hoveredAfter) << c.name;
        EXPECT_EQ(port.captured, c.capturedAfter) << c.name;
        EXPECT_EQ(port.calls, c.calls) << c.name;
    }
}

TEST(LinkHover, ResetLetsGoOfTheMouseAndRedraws) {
    RecordingPort port;
    LinkHover hover(port);
    hover.OnMouseMove(true);
    port.calls.clear();
    hover.Reset(false);
    EXPECT_FALSE(hover.IsHovered());
    EXPECT_EQ(port.calls, "RD");
    hover.Reset(true);
    EXPECT_TRUE(hover.IsHovered());
    EXPECT_EQ(port.calls, "RDD") << "nothing to release the second time";
}

} // namespace
