#include "utility/hotkeys/on_screen_value_wnd_win.h"

#include "framework/font_win.h"
#include "utility/hotkeys/on_screen_value_win.h"

#include <algorithm>
#include <string>

namespace {

constexpr UINT_PTR kHoldTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;

constexpr UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

bool RegisterOnScreenValueClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA; // the framework routes the messages through the object
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kOnScreenValueClass;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The character set of the system's code page, in which every text of the window comes: the A
// functions convert a text by its font's character set, and the font mapper picks a face with
// the set's glyphs (Japanese ones on a Japanese system) when the message font's face lacks them.
BYTE SystemCharset() {
    CHARSETINFO info{};
    const UINT codePage = ::GetACP();
    if (::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(codePage)), &info,
                               TCI_SRCCODEPAGE))
        return static_cast<BYTE>(info.ciCharset);
    return DEFAULT_CHARSET;
}

// The face users read their dialogs' messages in, at `pixels` em height.
ScopedFont MessageFont(int pixels, int weight) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTA font = ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                        ? metrics.lfMessageFont
                        : FontDescription(nullptr);
    font.lfHeight = -pixels;
    font.lfWidth = 0;
    font.lfWeight = weight;
    font.lfCharSet = SystemCharset();
    font.lfQuality = CLEARTYPE_QUALITY;
    return ScopedFont(::CreateFontIndirectA(&font));
}

void Fill(HDC dc, const OsdRect& rect, COLORREF colour) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::SetDCBrushColor(dc, colour);
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void DrawLine(HDC dc, const std::string& text, const OsdRect& rect, COLORREF colour,
              UINT align = DT_LEFT) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::SetTextColor(dc, colour);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, kLineFormat | align);
}

struct TextMeasure {
    HDC dc;
    int Width(const std::string& text) const {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int LineHeight() const {
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        return metrics.tmHeight;
    }
};

} // namespace

bool OnScreenValueWnd::Create(HWND owner) {
    static const bool registered = RegisterOnScreenValueClass();
    return registered && CreateEx(kOnScreenValueExStyle, kOnScreenValueClass, "", WS_POPUP,
                                  RECT{0, 0, 0, 0}, owner, 0);
}

void OnScreenValueWnd::Present(const OnScreenValue& value, const RECT& workArea, int dpi) {
    m_value = value;
    MakeFonts(dpi);
    const OsdMetrics metrics = OsdMetricsAt(dpi);
    const OsdRect area{workArea.left, workArea.top, workArea.right, workArea.bottom};
    m_layout = ArrangeOsd(metrics, Measure(), area.Width());
    const OsdRect place =
        PlaceAtBottomCentre(area, m_layout.width, m_layout.height, metrics.bottomMargin);

    KillTimer(kFadeTimer);
    m_fadeStep = 0;
    ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(OsdFadeAlpha(0)), LWA_ALPHA);
    // Raised above the other topmost windows alone: without SWP_NOOWNERZORDER the main window,
    // when shown, would come along above the program the user works in.
    SetWindowPos(HWND_TOPMOST, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    Invalidate(false);
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    SetTimer(kHoldTimer, kOsdHoldMs); // an existing timer of the id starts over
}

void OnScreenValueWnd::MakeFonts(int dpi) {
    if (dpi == m_fontDpi && m_smallFont && m_largeFont && m_valueFont)
        return;
    const OsdMetrics metrics = OsdMetricsAt(dpi);
    m_smallFont = MessageFont(metrics.smallFontPx, FW_NORMAL);
    m_largeFont = MessageFont(metrics.largeFontPx, FW_NORMAL);
    m_valueFont = MessageFont(metrics.largeFontPx, FW_BOLD);
    m_fontDpi = dpi;
}

OsdTextSizes OnScreenValueWnd::Measure() {
    OsdTextSizes sizes;
    ClientDC dc(m_hWnd);
    if (!dc)
        return sizes;
    const TextMeasure measure{dc.Get()};
    {
        SelectObjectScope font(dc.Get(), m_smallFont.Get());
        sizes.smallLine = measure.LineHeight();
        sizes.widestText = measure.Width(m_value.monitor);
    }
    {
        SelectObjectScope font(dc.Get(), m_largeFont.Get());
        sizes.largeLine = measure.LineHeight();
        sizes.widestText = std::max(sizes.widestText, measure.Width(m_value.control));
    }
    SelectObjectScope font(dc.Get(), m_valueFont.Get());
    sizes.largeLine = std::max(sizes.largeLine, measure.LineHeight());
    if (!m_value.hasValue) {
        sizes.widestText = std::max(sizes.widestText, measure.Width(m_value.text));
    } else {
        for (const int number : {m_value.value, m_value.minimum, m_value.maximum})
            sizes.numberWidth = std::max(sizes.numberWidth, measure.Width(std::to_string(number)));
    }
    return sizes;
}

LRESULT OnScreenValueWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // a click goes to the window below
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT: {
        PaintDC dc(m_hWnd);
        // Drawn off screen first, so a restart over a shown value never flickers.
        ScopedCreatedDC memory(::CreateCompatibleDC(dc.Get()));
        ScopedBitmap bitmap(::CreateCompatibleBitmap(dc.Get(), m_layout.width, m_layout.height));
        if (!memory || !bitmap) {
            Draw(dc.Get());
            return 0;
        }
        {
            SelectObjectScope select(memory.Get(), bitmap.Get());
            Draw(memory.Get());
            ::BitBlt(dc.Get(), 0, 0, m_layout.width, m_layout.height, memory.Get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        Draw(reinterpret_cast<HDC>(wParam)); // the same drawing into a DC of the caller's
        return 0;
    default:
        return CWnd::OnMessage(message, wParam, lParam);
    }
}

void OnScreenValueWnd::OnTimer(UINT_PTR id) {
    if (id == kHoldTimer) {
        KillTimer(kHoldTimer);
        SetTimer(kFadeTimer, kOsdFadeStepMs);
        return;
    }
    if (id != kFadeTimer)
        return;
    const int alpha = OsdFadeAlpha(++m_fadeStep);
    if (alpha > 0) {
        ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
        return;
    }
    KillTimer(kFadeTimer);
    ShowWindow(SW_HIDE);
}

void OnScreenValueWnd::Draw(HDC target) {
    const OsdRect all{0, 0, m_layout.width, m_layout.height};
    Fill(target, all, kOsdBackground);
    const RECT frame{0, 0, all.right, all.bottom};
    ::SetDCBrushColor(target, kOsdBorder);
    ::FrameRect(target, &frame, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    if (m_value.refused)
        Fill(target, m_layout.stripe, kOsdRefused);

    ::SetBkMode(target, TRANSPARENT);
    {
        SelectObjectScope font(target, m_smallFont.Get());
        DrawLine(target, m_value.monitor, m_layout.monitorLine, kOsdMonitorText);
    }
    {
        SelectObjectScope font(target, m_largeFont.Get());
        DrawLine(target, m_value.control, m_layout.controlLine, kOsdText);
    }
    SelectObjectScope font(target, m_valueFont.Get());
    DrawValueRow(target);
}

void OnScreenValueWnd::DrawValueRow(HDC target) {
    if (!m_value.hasValue) {
        DrawLine(target, m_value.text, m_layout.valueRow, m_value.refused ? kOsdRefused : kOsdText);
        return;
    }
    OsdRect filled = m_layout.bar;
    filled.right = filled.left + BarFilledWidth(m_value.value, m_value.minimum, m_value.maximum,
                                                m_layout.bar.Width());
    Fill(target, m_layout.bar, kOsdBarTrack);
    Fill(target, filled, kOsdBarFill);
    DrawLine(target, std::to_string(m_value.value), m_layout.number, kOsdText, DT_RIGHT);
}
