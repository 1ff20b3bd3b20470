#include "utility/pages/dlg_sound_win.h"

#include "framework/pattern_brush_win.h"
#include "utility/pages/page_tab_keys_win.h"
#include "utility/res/resource.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

namespace {

constexpr COLORREF kValueBoxColor = RGB(228, 228, 220);
constexpr int kVolumePageSize = 3;

} // namespace

CDlgSound::CDlgSound(CurrentMonitor& monitor, CMonitorStatusAll& monitors,
                     const StringTable& strings)
    : CDialog(IDD_SOUND), m_model(*this, monitor, monitors, strings) {}

template <typename Action> void CDlgSound::Busy(Action action) {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    action();
    ::SetCursor(previous);
}

bool CDlgSound::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    m_monitorList.Attach(GetDlgItem(IDC_MONITOR_SELECT));
    m_slider.Attach(GetDlgItem(IDC_SOUND_SLIDER));
    m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_SOUND, IDB_PAGE_SOUND_LARGE);
    m_valueBrush.Reset(::CreateSolidBrush(kValueBoxColor));
    m_slider.SetPageSize(kVolumePageSize);
    return true;
}

bool CDlgSound::PreTranslateMessage(MSG& msg) {
    return HandlePageExitKeys(m_hWnd, IDC_MONITOR_SELECT, msg) || CDialog::PreTranslateMessage(msg);
}

HBRUSH CDlgSound::OnCtlColor(HDC dc, HWND control, UINT type) {
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_SOUND_VALUE) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetBkColor(dc, kValueBoxColor);
        return m_valueBrush.Get();
    }
    // Edit fields and lists keep their own colours.
    if (!m_brush || type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX)
        return CDialog::OnCtlColor(dc, control, type);
    // The slider, the caption and the link sit on the picture; their backgrounds continue it.
    if (id == IDC_SOUND_SLIDER || id == IDC_SOUND_CAPTION || id == IDC_HYPERLINK)
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgSound::Refresh() {
    Busy([&] { m_model.Refresh(); });
}

LRESULT CDlgSound::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW: {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        if (wParam)
            Refresh();
        else
            m_model.PageHidden();
        return result;
    }
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SIZE:
        // Where the picture is stretched to the page, it is stretched again to the size the main
        // window gives the page over its tab control, which differs from the template's.
        if (m_brush)
            m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_SOUND, IDB_PAGE_SOUND_LARGE);
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

void CDlgSound::OnHScroll(UINT code, HWND control) {
    // Page, home and end moves arrive once more as the end of tracking that follows them.
    if (control != m_slider.GetSafeHwnd() ||
        (code != TB_LINEUP && code != TB_LINEDOWN && code != TB_THUMBPOSITION &&
         code != TB_THUMBTRACK && code != TB_ENDTRACK))
        return;
    Busy([&] { m_model.VolumeMoved(m_slider.GetPos()); });
}

bool CDlgSound::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_MONITOR_SELECT:
        if (code == CBN_SELCHANGE)
            m_model.MonitorChanged(m_monitorList.GetCurSel());
        return true;
    case IDC_SOUND_RESET:
        if (code == BN_CLICKED)
            Busy([&] { m_model.SoundReset(); });
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

void CDlgSound::SetMonitorList(const std::vector<std::string>& entries, int selected) {
    m_monitorList.ResetContent();
    for (const std::string& entry : entries)
        m_monitorList.AddString(entry.c_str());
    m_monitorList.SetCurSel(selected);
}

void CDlgSound::SetVolumeRange(int maximum) {
    m_slider.SetRange(0, maximum, true);
}

void CDlgSound::SetVolumePosition(int position) {
    m_slider.SetPos(position);
}

void CDlgSound::SetVolumeText(const std::string& text) {
    ::SetDlgItemTextA(m_hWnd, IDC_SOUND_VALUE, text.c_str());
}

void CDlgSound::EnableControls(const SoundPageControls& controls) {
    ::EnableWindow(GetDlgItem(IDC_SOUND_SLIDER), controls.volume);
    ::EnableWindow(GetDlgItem(IDC_SOUND_VALUE), controls.volume);
    ::EnableWindow(GetDlgItem(IDC_SOUND_RESET), controls.reset);
}

void CDlgSound::SelectMonitor(int index) {
    ::SendMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_SELECT_MONITOR, 0, index);
}
