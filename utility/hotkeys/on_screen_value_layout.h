// The on-screen value's geometry and timing, without a window: its sizes at a screen resolution,
// where its rows and bar go for the texts it shows, how much of the bar a value fills, where the
// window goes in a work area, and its opacity while it fades.
#pragma once

struct OsdRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const OsdRect&) const = default;
};

// Sizes in pixels at one resolution (dots per inch), scaled from the 96 dpi design.
struct OsdMetrics {
    int padding;      // around the contents
    int rowGap;       // between the rows
    int barHeight;    // the value's bar
    int barGap;       // between the bar and its number
    int stripeWidth;  // the band at the left edge that marks a refused key
    int minWidth;     // the window's width, at least ...
    int maxWidth;     // ... and at most
    int bottomMargin; // between the window and the work area's bottom
    int smallFontPx;  // the monitor's line (character height, the font's em)
    int largeFontPx;  // the control's name, the number and the text
    bool operator==(const OsdMetrics&) const = default;
};

// The metrics at `dpi`; a resolution the system cannot have (0 or less) counts as 96.
OsdMetrics OsdMetricsAt(int dpi);

// What the window shows, measured with its fonts: line heights and the widths of its texts.
struct OsdTextSizes {
    int smallLine = 0;   // line height of the monitor's line
    int largeLine = 0;   // line height of the control's line and the value row
    int widestText = 0;  // the widest of the monitor's line, the control's name and the text
    int numberWidth = 0; // the widest number the value row may show (the range's ends and value)
};

// Where everything goes in the window's client area (whose origin is the window's).
struct OsdLayout {
    int width = 0;
    int height = 0;
    OsdRect monitorLine;
    OsdRect controlLine;
    OsdRect valueRow; // the text alone, or the bar and the number
    OsdRect bar;
    OsdRect number;
    OsdRect stripe;
    bool operator==(const OsdLayout&) const = default;
};

// Three rows: the monitor, the control, the value (bar and number, or the text). The width
// follows the widest text within the metrics' bounds and never exceeds `workAreaWidth`.
OsdLayout ArrangeOsd(const OsdMetrics& metrics, const OsdTextSizes& sizes, int workAreaWidth);

// The part of a bar `width` pixels wide that `value` fills in [minimum, maximum], rounded to the
// nearest pixel; values outside the range fill nothing or all. A range without width
// (minimum >= maximum) is full once the value reaches its minimum, empty below.
int BarFilledWidth(int value, int minimum, int maximum, int width);

// The window's place in `workArea` (the monitor's area without the taskbar): centred, its
// bottom `bottomMargin` above the work area's bottom, and inside the work area however small.
OsdRect PlaceAtBottomCentre(const OsdRect& workArea, int width, int height, int bottomMargin);

// The fade: shown fully for kOsdHoldMs, then kOsdFadeSteps steps of kOsdFadeStepMs to nothing.
inline constexpr int kOsdHoldMs = 1500;
inline constexpr int kOsdFadeStepMs = 30;
inline constexpr int kOsdFadeSteps = 10;
inline constexpr int kOsdOpaqueAlpha = 235;

// The window's opacity (0-255) after `step` fade steps: kOsdOpaqueAlpha before the fade, 0 (the
// window is hidden) from kOsdFadeSteps on.
int OsdFadeAlpha(int step);
