#include "utility/pages/dlg_color_sub_win.h"

#include "framework/foreground_win.h"
#include "framework/pattern_brush_win.h"
#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

#include <algorithm>
#include <iterator>

namespace {

// The controls of each slider, in ColorSlider order; the temperature has the picture instead of
// an icon.
constexpr int kSliderIds[kColorSliderCount] = {
    IDC_SUB_TEMP_SLIDER, IDC_SUB_BRIGHTNESS_SLIDER, IDC_SUB_CONTRAST_SLIDER, IDC_SUB_GAMMA_SLIDER,
    IDC_SUB_RED_SLIDER,  IDC_SUB_GREEN_SLIDER,      IDC_SUB_BLUE_SLIDER};
constexpr int kValueIds[kColorSliderCount] = {
    IDC_SUB_TEMP_VALUE, IDC_SUB_BRIGHTNESS_VALUE, IDC_SUB_CONTRAST_VALUE, IDC_SUB_GAMMA_VALUE,
    IDC_SUB_RED_VALUE,  IDC_SUB_GREEN_VALUE,      IDC_SUB_BLUE_VALUE};
constexpr int kIconIds[kColorSliderCount] = {0,
                                             IDC_SUB_BRIGHTNESS_ICON,
                                             IDC_SUB_CONTRAST_ICON,
                                             IDC_SUB_GAMMA_ICON,
                                             IDC_SUB_RED_ICON,
                                             IDC_SUB_GREEN_ICON,
                                             IDC_SUB_BLUE_ICON};
// The bitmap each icon shows while its slider is usable, as the template has it.
constexpr UINT kIconBitmaps[kColorSliderCount] = {
    0, IDB_BRIGHTNESS, IDB_CONTRAST, IDB_GAMMA, IDB_GAIN_RED, IDB_GAIN_GREEN, IDB_GAIN_BLUE};
// Captions whose background continues the dialog's picture.
constexpr int kGroupIds[] = {IDC_SUB_TEMP_GROUP, IDC_SUB_BRIGHTNESS_GROUP, IDC_SUB_CONTRAST_GROUP,
                             IDC_SUB_GAMMA_GROUP, IDC_SUB_GAIN_GROUP};

constexpr COLORREF kValueBoxColor = RGB(228, 228, 220);
constexpr COLORREF kFrameShadow = RGB(64, 64, 64);
constexpr COLORREF kFrameLight = RGB(255, 255, 255);

template <std::size_t N> bool Contains(const int (&ids)[N], int id) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

void FillLine(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT line{left, top, right, bottom};
    ::FillRect(dc, &line, brush);
}

// A sunken edge on the rectangle's border: dark above and left, light below and right.
void DrawSunkenFrame(HDC dc, const RECT& r) {
    ScopedBrush shadow(::CreateSolidBrush(kFrameShadow));
    ScopedBrush light(::CreateSolidBrush(kFrameLight));
    FillLine(dc, r.left, r.top, r.right, r.top + 1, shadow.Get());
    FillLine(dc, r.left, r.top, r.left + 1, r.bottom, shadow.Get());
    FillLine(dc, r.right - 1, r.top + 1, r.right, r.bottom, light.Get());
    FillLine(dc, r.left + 1, r.bottom - 1, r.right, r.bottom, light.Get());
}

} // namespace

CDlgColorSub::CDlgColorSub(CurrentMonitor& monitor, CMonitorColor& snapshot,
                           CMonitorStatusAll& monitors, ShellState& shell)
    : CDialog(IDD_COLOR_SUB), m_model(*this, monitor, snapshot, monitors, shell) {}

bool CDlgColorSub::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pattern = CreatePageBrush(m_hWnd, m_pageBrush, IDB_PAGE_COLOR_SUB, IDB_PAGE_COLOR_SUB_LARGE);
    m_valueBrush.Reset(::CreateSolidBrush(kValueBoxColor));
    for (std::size_t i = 0; i < kColorSliderCount; ++i) {
        m_sliders[i].Attach(GetDlgItem(kSliderIds[i]));
        // The icons show bitmaps of ours from the start, so that every one is released.
        if (kIconIds[i])
            ShowBitmap(GetDlgItem(kIconIds[i]), Bitmap(kIconBitmaps[i]));
    }
    BringToForeground(m_hWnd);
    m_model.Initialise(m_hWnd);
    return true;
}

LRESULT CDlgColorSub::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COLOR_DIALOG_LOAD:
        m_model.Open();
        return 0;
    case WM_CLOSE_FOR_RESCAN:
        EndDialog(kColorSubClosedForRescan);
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

LRESULT CDlgColorSub::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        // The values are loaded once the dialog is on the screen, not while it is being shown.
        if (wParam)
            PostMessage(WM_COLOR_DIALOG_LOAD);
        return CDialog::OnMessage(message, wParam, lParam);
    case WM_DISPLAYCHANGE:
        EndDialog(kColorSubClosedForRescan);
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

bool CDlgColorSub::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_SUB_RESET && code == BN_CLICKED) {
        m_model.Reset();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

HBRUSH CDlgColorSub::OnCtlColor(HDC dc, HWND control, UINT type) {
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (Contains(kValueIds, id)) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetBkColor(dc, kValueBoxColor);
        return m_valueBrush.Get();
    }
    if (!m_pageBrush)
        return CDialog::OnCtlColor(dc, control, type);
    // Sliders, group boxes and the "%" labels (the template's only unnamed statics) sit on the
    // picture; their backgrounds continue it.
    if (Contains(kSliderIds, id) || Contains(kGroupIds, id) ||
        static_cast<WORD>(id) == static_cast<WORD>(IDC_STATIC))
        AlignPatternBrush(dc, m_pageBrush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_pageBrush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_pageBrush.Get();
}

void CDlgColorSub::OnHScroll(UINT code, HWND control) {
    // Page, home and end moves arrive once more as the end of tracking that follows them.
    if (code != TB_LINEUP && code != TB_LINEDOWN && code != TB_THUMBPOSITION &&
        code != TB_THUMBTRACK && code != TB_ENDTRACK)
        return;
    for (std::size_t i = 0; i < kColorSliderCount; ++i) {
        if (m_sliders[i].GetSafeHwnd() == control) {
            m_model.SliderMoved(static_cast<ColorSlider>(i), m_sliders[i].GetPos());
            return;
        }
    }
}

void CDlgColorSub::OnPaint() {
    PaintDC paint(m_hWnd);
    const HDC dc = paint.Get();
    const bool fewerThan16Bits = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES) < 16;
    const UINT id = m_model.TemperaturePicture(fewerThan16Bits);
    if (!id)
        return;
    ScopedBitmap picture(static_cast<HBITMAP>(
        ::LoadImage(ResourceModule(), MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP size{};
    if (!picture || !::GetObject(picture.Get(), sizeof size, &size))
        return;
    const RECT target = PictureRect();
    ScopedCreatedDC source(::CreateCompatibleDC(dc));
    {
        SelectObjectScope selected(source.Get(), picture.Get());
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, target.left, target.top, target.right - target.left,
                     target.bottom - target.top, source.Get(), 0, 0, size.bmWidth, size.bmHeight,
                     SRCCOPY);
    }
    DrawSunkenFrame(dc, target);
}

void CDlgColorSub::OnDestroy() {
    m_model.Close();
    // The statics give their bitmaps back before ours are deleted with the window's others.
    for (int id : kIconIds) {
        if (id)
            ShowBitmap(GetDlgItem(id), nullptr);
    }
    m_bitmaps.clear();
    for (CSliderCtrl& slider : m_sliders)
        slider.Detach();
}

void CDlgColorSub::ShowBitmap(HWND control, HBITMAP bitmap) {
    const auto previous = reinterpret_cast<HBITMAP>(
        ::SendMessage(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (previous && previous != bitmap && !IsOwnBitmap(previous))
        ::DeleteObject(previous);
}

HBITMAP CDlgColorSub::Bitmap(UINT id) {
    for (const auto& [loaded, bitmap] : m_bitmaps) {
        if (loaded == id)
            return bitmap.Get();
    }
    m_bitmaps.emplace_back(id, ScopedBitmap(static_cast<HBITMAP>(::LoadImage(
                                   ResourceModule(), MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, 0))));
    return m_bitmaps.back().second.Get();
}

bool CDlgColorSub::IsOwnBitmap(HBITMAP bitmap) const {
    return std::any_of(m_bitmaps.begin(), m_bitmaps.end(),
                       [&](const auto& entry) { return entry.second.Get() == bitmap; });
}

RECT CDlgColorSub::PictureRect() const {
    RECT rect{};
    ::GetWindowRect(GetDlgItem(IDC_SUB_TEMP_PICTURE), &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CDlgColorSub::SetSliderRange(ColorSlider slider, int minimum, int maximum) {
    m_sliders[static_cast<std::size_t>(slider)].SetRange(minimum, maximum, true);
}

void CDlgColorSub::SetSliderPosition(ColorSlider slider, int position) {
    m_sliders[static_cast<std::size_t>(slider)].SetPos(position);
}

void CDlgColorSub::SetSliderPageSize(ColorSlider slider, int size) {
    m_sliders[static_cast<std::size_t>(slider)].SetPageSize(size);
}

void CDlgColorSub::SetValueText(ColorSlider slider, const std::string& text) {
    ::SetDlgItemTextA(m_hWnd, kValueIds[static_cast<std::size_t>(slider)], text.c_str());
}

void CDlgColorSub::EnableSlider(ColorSlider slider, bool enabled, std::uint32_t icon) {
    const auto i = static_cast<std::size_t>(slider);
    ::EnableWindow(GetDlgItem(kSliderIds[i]), enabled);
    ::EnableWindow(GetDlgItem(kValueIds[i]), enabled);
    if (icon && kIconIds[i])
        ShowBitmap(GetDlgItem(kIconIds[i]), Bitmap(icon));
}

void CDlgColorSub::EnableButtons(bool enabled) {
    for (int id : {IDC_SUB_RESET, IDOK, IDCANCEL})
        ::EnableWindow(GetDlgItem(id), enabled);
}

void CDlgColorSub::FocusOk() {
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDOK)), TRUE);
}

void CDlgColorSub::RepaintPicture() {
    const RECT rect = PictureRect();
    ::RedrawWindow(m_hWnd, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CDlgColorSub::BeginWait() {
    if (m_waitDepth++ == 0)
        m_cursorBeforeWait = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CDlgColorSub::EndWait() {
    if (m_waitDepth > 0 && --m_waitDepth == 0)
        ::SetCursor(m_cursorBeforeWait);
}

void CDlgColorSub::Finish(int result) {
    EndDialog(result);
}
