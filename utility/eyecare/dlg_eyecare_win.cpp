#include "utility/eyecare/dlg_eyecare_win.h"

#include "framework/foreground_win.h"
#include "framework/pattern_brush_win.h"
#include "utility/eyecare/dlg_edit_msg_win.h"
#include "utility/res/resource.h"
#include "utility/ui/display_names_win.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kHoursMaxCharacters = 2;
// Captions whose background continues the dialog's picture.
constexpr int kCaptionIds[] = {IDC_EYECARE_TARGET_GROUP, IDC_EYECARE_REMINDER_GROUP,
                               IDC_EYECARE_POPUP, IDC_EYECARE_HOURS_UNIT, IDC_EYECARE_INTERVAL};
// What the check box switches on and off.
constexpr int kReminderControlIds[] = {IDC_EYECARE_HOURS, IDC_EYECARE_HOURS_SPIN,
                                       IDC_EYECARE_HOURS_UNIT, IDC_EYECARE_EDIT_MSG,
                                       IDC_EYECARE_INTERVAL};

} // namespace

CDlgEyeCare::CDlgEyeCare(RegistryPort& registry, const CMonitorStatusAll& monitors,
                         ShellState& shell, const StringTable& strings)
    : CDialog(IDD_EYECARE), m_shell(shell), m_model(*this, registry, monitors, shell, strings) {}

bool CDlgEyeCare::OnInitDialog() {
    CDialog::OnInitDialog();
    m_monitorList.Attach(GetDlgItem(IDC_EYECARE_MONITOR));
    m_popup.Attach(GetDlgItem(IDC_EYECARE_POPUP));
    m_hours.Attach(GetDlgItem(IDC_EYECARE_HOURS));
    m_hoursSpin.Attach(GetDlgItem(IDC_EYECARE_HOURS_SPIN));
    m_hours.LimitText(kHoursMaxCharacters);
    m_hoursSpin.SetRange32(1, kReminderMostHours);
    m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_EYECARE, IDB_PAGE_EYECARE_LARGE);
    std::string device;
    GetDisplayDeviceName(device, m_hWnd, false);
    m_model.Open(m_hWnd, device);
    BringToForeground(m_hWnd);
    return true;
}

void CDlgEyeCare::OnOK() {
    if (m_model.Save(m_hours.GetWindowText()))
        EndDialog(IDOK);
}

LRESULT CDlgEyeCare::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE_FOR_RESCAN) {
        EndDialog(kEyeCareClosedForRescan);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CDlgEyeCare::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DISPLAYCHANGE:
        EndDialog(kEyeCareClosedForRescan);
        return 0;
    case WM_DEVICECHANGE:
        return TRUE;
    case WM_DESTROY:
        m_model.Close();
        return CDialog::OnMessage(message, wParam, lParam);
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

bool CDlgEyeCare::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_EYECARE_MONITOR:
        if (code == CBN_SELCHANGE)
            m_model.MonitorSelected(m_monitorList.GetCurSel());
        return true;
    case IDC_EYECARE_POPUP:
        if (code == BN_CLICKED)
            m_model.PopupClicked(m_popup.GetCheck() == BST_CHECKED);
        return true;
    case IDC_EYECARE_HOURS:
        if (code == EN_CHANGE)
            m_model.HoursChanged(m_hours.GetWindowText());
        else if (code == EN_KILLFOCUS)
            m_model.HoursLeft(m_hours.GetWindowText());
        return true;
    case IDC_EYECARE_EDIT_MSG:
        if (code == BN_CLICKED)
            m_model.EditMessage();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

HBRUSH CDlgEyeCare::OnCtlColor(HDC dc, HWND control, UINT type) {
    // Edit fields and lists keep their own colours.
    if (!m_brush || type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX)
        return CDialog::OnCtlColor(dc, control, type);
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (std::find(std::begin(kCaptionIds), std::end(kCaptionIds), id) != std::end(kCaptionIds))
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgEyeCare::SetMonitorList(const std::vector<std::string>& lines, int selected) {
    m_monitorList.ResetContent();
    for (const std::string& line : lines)
        m_monitorList.AddString(line.c_str());
    m_monitorList.SetCurSel(selected);
}

void CDlgEyeCare::SetPopupCheck(bool checked) {
    m_popup.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgEyeCare::SetHoursText(const std::string& text) {
    if (m_hours.GetWindowText() != text)
        m_hours.SetWindowText(text.c_str());
    const int end = static_cast<int>(text.size());
    m_hours.SetSel(end, end);
}

void CDlgEyeCare::EnableReminderControls(bool enabled) {
    for (int id : kReminderControlIds)
        ::EnableWindow(GetDlgItem(id), enabled);
}

void CDlgEyeCare::ShowWarning(const std::string& text) {
    char title[128] = {};
    ::GetWindowTextA(m_hWnd, title, sizeof title);
    ::MessageBoxA(m_hWnd, text.c_str(), title, MB_OK | MB_ICONEXCLAMATION);
}

bool CDlgEyeCare::RunEditMessage(std::string& message) {
    CDlgEditMsg dialog(message, m_shell);
    if (RunModal(m_shell, [&] { return dialog.DoModal(m_hWnd); }) != IDOK)
        return false;
    message = dialog.Message();
    return true;
}
