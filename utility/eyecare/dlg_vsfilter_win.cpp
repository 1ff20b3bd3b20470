#include "utility/eyecare/dlg_vsfilter_win.h"

#include "framework/foreground_win.h"
#include "framework/pattern_brush_win.h"
#include "utility/eyecare/file_dialog_ex_win.h"
#include "utility/res/resource.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

#include <algorithm>
#include <iterator>

namespace {

// Captions and value boxes whose background continues the dialog's picture.
constexpr int kAlignedIds[] = {
    IDC_FILTER_SELECT_GROUP, IDC_FILTER_ADJUST_GROUP,  IDC_FILTER_ALPHA_CAPTION,
    IDC_FILTER_LUM_CAPTION,  IDC_FILTER_ALPHA_SLIDER,  IDC_FILTER_LUM_SLIDER,
    IDC_FILTER_ALPHA_VALUE,  IDC_FILTER_ALPHA_PERCENT, IDC_FILTER_LUM_VALUE};
constexpr int kPathIds[] = {IDC_FILTER_PATH, IDC_FILTER_BROWSE};
constexpr int kAdjustIds[] = {IDC_FILTER_ALPHA_SLIDER, IDC_FILTER_LUM_SLIDER,
                              IDC_FILTER_ALPHA_VALUE, IDC_FILTER_LUM_VALUE, IDC_FILTER_RESTORE};

} // namespace

CDlgVSFilter::CDlgVSFilter(RegistryPort& registry, const VSFilterSources& sources,
                           FilterSettings& applied, ScreenFilter& filter, ShellState& shell)
    : CDialog(IDD_VSFILTER), m_shell(shell), m_model(*this, registry, sources, applied, filter) {}

bool CDlgVSFilter::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shell.m_hwndFilterDialog = m_hWnd;
    m_images.Attach(GetDlgItem(IDC_FILTER_IMAGE));
    m_path.Attach(GetDlgItem(IDC_FILTER_PATH));
    m_alpha.Attach(GetDlgItem(IDC_FILTER_ALPHA_SLIDER));
    m_luminance.Attach(GetDlgItem(IDC_FILTER_LUM_SLIDER));
    m_alpha.SetRange(0, kTransmittanceMaxPercent);
    m_alpha.SetPageSize(kTransmittancePage);
    m_luminance.SetRange(0, kLuminanceSliderMax);
    m_luminance.SetPageSize(kLuminancePage);
    m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_VSFILTER, IDB_PAGE_VSFILTER_LARGE);
    m_model.Open();
    BringToForeground(m_hWnd);
    return true;
}

void CDlgVSFilter::OnOK() {
    m_model.Save();
    Finish(IDOK);
}

void CDlgVSFilter::OnCancel() {
    m_model.Restore();
    Finish(IDCANCEL);
}

LRESULT CDlgVSFilter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message == WM_CLOSE_FOR_RESCAN) {
        // What was previewed must not stay on the screen once the dialog is gone.
        EndPuttingBack(kFilterClosedForRescan);
    } else {
        result = CDialog::WindowProc(message, wParam, lParam);
    }
    // Whichever handler opened the loop that held an end back, the end comes once it is done.
    if (m_pendingEnd && m_ownLoops == 0)
        EndPuttingBack(*m_pendingEnd);
    return result;
}

void CDlgVSFilter::EndPuttingBack(INT_PTR result) {
    if (m_ownLoops > 0) {
        m_pendingEnd = result;
        return;
    }
    m_model.Restore();
    Finish(result);
}

void CDlgVSFilter::Finish(INT_PTR result) {
    EndDialog(result);
    m_pendingEnd.reset();
}

template <typename Dialog> auto CDlgVSFilter::RunOwnLoop(Dialog&& dialog) {
    ++m_ownLoops;
    const auto result = RunModal(m_shell, dialog);
    --m_ownLoops;
    return result;
}

LRESULT CDlgVSFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        if (HWND fileDialog = static_cast<HWND>(m_shell.m_hwndFilterFileDialog))
            ::SendMessageA(fileDialog, WM_CLOSE_FOR_RESCAN, 0, 0);
        EndPuttingBack(kFilterClosedByDisplayChange);
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_FILTER_REAPPLY:
        m_model.Reapply();
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_DESTROY:
        m_shell.m_hwndFilterDialog = nullptr;
        m_shell.m_filterDialogOpen = 0;
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

void CDlgVSFilter::OnHScroll(UINT code, HWND control) {
    if (code != TB_LINEUP && code != TB_LINEDOWN && code != TB_THUMBPOSITION &&
        code != TB_THUMBTRACK && code != TB_ENDTRACK)
        return;
    if (control == m_alpha.GetSafeHwnd())
        m_model.AlphaSlider(m_alpha.GetPos());
    else if (control == m_luminance.GetSafeHwnd())
        m_model.LuminanceSlider(m_luminance.GetPos());
}

bool CDlgVSFilter::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_FILTER_IMAGE:
        if (code == CBN_SELCHANGE)
            m_model.ImageSelected(m_images.GetCurSel());
        return true;
    case IDC_FILTER_BROWSE:
        if (code == BN_CLICKED)
            m_model.Browse();
        return true;
    case IDC_FILTER_RESTORE:
        if (code == BN_CLICKED)
            m_model.RestoreDefault();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

HBRUSH CDlgVSFilter::OnCtlColor(HDC dc, HWND control, UINT type) {
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    // The picture list, the path and every typing field keep their own colours.
    if (!m_brush || type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX || id == IDC_FILTER_IMAGE ||
        id == IDC_FILTER_PATH)
        return CDialog::OnCtlColor(dc, control, type);
    if (std::find(std::begin(kAlignedIds), std::end(kAlignedIds), id) != std::end(kAlignedIds))
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgVSFilter::SetImageList(const std::vector<std::string>& lines, int selected) {
    m_images.ResetContent();
    for (const std::string& line : lines)
        m_images.AddString(line.c_str());
    m_images.SetCurSel(selected);
}

void CDlgVSFilter::SelectImage(int index) {
    m_images.SetCurSel(index);
}

void CDlgVSFilter::SetPathText(const std::string& path) {
    m_path.SetWindowText(path.c_str());
}

void CDlgVSFilter::ShowValues(int percent, int luminance) {
    m_alpha.SetPos(percent);
    m_luminance.SetPos(SliderFromLuminance(luminance));
    ::SetDlgItemInt(m_hWnd, IDC_FILTER_ALPHA_VALUE, static_cast<UINT>(percent), FALSE);
    ::SetDlgItemInt(m_hWnd, IDC_FILTER_LUM_VALUE, static_cast<UINT>(luminance), TRUE);
}

void CDlgVSFilter::Enable(const FilterEnabling& enabling) {
    for (int id : kPathIds)
        ::EnableWindow(GetDlgItem(id), enabling.path);
    for (int id : kAdjustIds)
        ::EnableWindow(GetDlgItem(id), enabling.adjust);
}

bool CDlgVSFilter::BrowseFile(const std::string& defaultExtension, const std::string& filter,
                              std::string& path) {
    CFileDialogEx dialog(m_shell, defaultExtension, filter);
    if (RunOwnLoop([&] { return dialog.DoModal(m_hWnd); }) != IDOK)
        return false;
    path = dialog.GetPathName();
    return true;
}

void CDlgVSFilter::ShowWarning(const std::string& text) {
    char title[128] = {};
    ::GetWindowTextA(m_hWnd, title, sizeof title);
    RunOwnLoop(
        [&] { return ::MessageBoxA(m_hWnd, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION); });
}
