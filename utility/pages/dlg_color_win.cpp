#include "utility/pages/dlg_color_win.h"

#include "framework/foreground_win.h"
#include "framework/pattern_brush_win.h"
#include "framework/res_string_win.h"
#include "utility/pages/dlg_color_sub_win.h"
#include "utility/pages/page_tab_keys_win.h"
#include "utility/res/resource.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

CDlgColor::CDlgColor(CurrentMonitor& monitor, CMonitorStatusAll& monitors, RegistryPort& registry,
                     const StringTable& strings, ShellState& shell)
    : CDialog(IDD_COLOR), m_monitor(monitor), m_monitors(monitors), m_shell(shell),
      m_model(*this, monitor, monitors, registry, strings, m_codePage, m_snapshot, shell) {}

template <typename Action> void CDlgColor::Busy(Action action) {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    action();
    ::SetCursor(previous);
}

bool CDlgColor::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    m_monitorList.Attach(GetDlgItem(IDC_MONITOR_SELECT));
    m_modeList.Attach(GetDlgItem(IDC_COLOR_MODE_LIST));
    m_dataName.Attach(GetDlgItem(IDC_COLOR_DATA_NAME));
    m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_COLOR, IDB_PAGE_COLOR_LARGE);
    return true;
}

bool CDlgColor::PreTranslateMessage(MSG& msg) {
    return HandlePageExitKeys(m_hWnd, IDC_MONITOR_SELECT, msg) || CDialog::PreTranslateMessage(msg);
}

HBRUSH CDlgColor::OnCtlColor(HDC dc, HWND control, UINT type) {
    // Edit fields and lists keep their own colours.
    if (!m_brush || type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX)
        return CDialog::OnCtlColor(dc, control, type);
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_COLOR_MODE_CAPTION || id == IDC_COLOR_PARAM_CAPTION ||
        id == IDC_COLOR_DATA_CAPTION)
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgColor::Refresh() {
    Busy([&] { m_model.Refresh(); });
}

LRESULT CDlgColor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam) {
        const LRESULT result = CDialog::OnMessage(message, wParam, lParam);
        Refresh();
        return result;
    }
    // Where the picture is stretched to the page, it is stretched again to the size the main
    // window gives the page over its tab control, which differs from the template's.
    if (message == WM_SIZE && m_brush)
        m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_COLOR, IDB_PAGE_COLOR_LARGE);
    return CDialog::OnMessage(message, wParam, lParam);
}

bool CDlgColor::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_MONITOR_SELECT:
        if (code == CBN_SELCHANGE)
            m_model.MonitorChanged(m_monitorList.GetCurSel());
        return true;
    case IDC_COLOR_MODE_LIST:
        if (code == CBN_SELCHANGE)
            m_model.ModeChanged(m_modeList.GetCurSel());
        return true;
    case IDC_COLOR_ADJUST:
        if (code == BN_CLICKED)
            m_model.OpenColorDialog();
        return true;
    case IDC_COLOR_REGISTER:
        if (code == BN_CLICKED)
            Busy([&] { m_model.Register(); });
        return true;
    case IDC_COLOR_DELETE:
        if (code == BN_CLICKED)
            m_model.Delete();
        return true;
    case IDC_COLOR_RESTORE:
        if (code == BN_CLICKED)
            Busy([&] { m_model.Restore(); });
        return true;
    case IDC_COLOR_DATA_NAME:
        if (code == CBN_SELCHANGE)
            m_model.DataNameSelected(m_dataName.GetCurSel());
        else if (code == CBN_EDITCHANGE)
            m_model.DataNameEdited();
        else if (code == CBN_DROPDOWN)
            m_model.DataNameDroppedDown();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

void CDlgColor::SetMonitorList(const std::vector<std::string>& entries, int selected) {
    m_monitorList.ResetContent();
    for (const std::string& entry : entries)
        m_monitorList.AddString(entry.c_str());
    m_monitorList.SetCurSel(selected);
}

void CDlgColor::SetModeList(const std::vector<ModeItem>& modes) {
    m_modeList.ResetContent();
    for (const ModeItem& mode : modes) {
        const int index = m_modeList.AddString(mode.name.c_str());
        m_modeList.SetItemData(index, static_cast<DWORD_PTR>(mode.mode));
    }
}

void CDlgColor::SelectModeItem(int index) {
    m_modeList.SetCurSel(index);
}

void CDlgColor::SetDataNameList(const std::vector<std::string>& names) {
    m_dataName.ResetContent();
    for (const std::string& name : names)
        m_dataName.AddString(name.c_str());
}

DataNameBox CDlgColor::ReadDataName() {
    return DataNameBox{m_dataName.GetWindowText(), m_dataName.GetCurSel()};
}

void CDlgColor::WriteDataName(const std::string& text, int caret) {
    if (m_dataName.GetWindowText() != text)
        m_dataName.SetWindowText(text.c_str());
    if (caret >= 0)
        m_dataName.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
}

void CDlgColor::EnableControls(const ColorPageControls& controls) {
    const std::pair<int, bool> states[] = {
        {IDC_COLOR_MODE_LIST, controls.modeList},  {IDC_COLOR_DATA_NAME, controls.dataName},
        {IDC_COLOR_ADJUST, controls.colorButton},  {IDC_COLOR_REGISTER, controls.registerButton},
        {IDC_COLOR_DELETE, controls.deleteButton}, {IDC_COLOR_RESTORE, controls.restoreButton},
    };
    for (const auto& [id, enabled] : states)
        ::EnableWindow(GetDlgItem(id), enabled);
}

void CDlgColor::ShowWarning(std::uint32_t id) {
    char title[128] = {};
    ::GetWindowTextA(::GetAncestor(m_hWnd, GA_ROOT), title, sizeof title);
    ::MessageBoxA(m_hWnd, LoadResString(id).c_str(), title, MB_OK | MB_ICONEXCLAMATION);
}

void CDlgColor::SelectMonitor(int index) {
    ::SendMessageA(MainWindow(), WM_SELECT_MONITOR, 0, index);
}

bool CDlgColor::ConfirmDelete() {
    char title[128] = {};
    ::GetWindowTextA(MainWindow(), title, sizeof title);
    return ::MessageBoxA(m_hWnd, LoadResString(IDS_ASK_DELETE_DATA).c_str(), title,
                         MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void CDlgColor::FocusMainClose() {
    ::SetFocus(::GetDlgItem(MainWindow(), IDC_CLOSE));
}

void CDlgColor::FocusColorButton() {
    ::SetFocus(GetDlgItem(IDC_COLOR_ADJUST));
}

void CDlgColor::StepAsideForAdjustment() {
    const HWND main = MainWindow();
    ::ShowWindow(main, SW_HIDE);
    ::ShowWindow(main, SW_MINIMIZE);
    ::ShowWindow(main, SW_SHOW);
}

void CDlgColor::ComeBackAfterAdjustment() {
    const HWND main = MainWindow();
    ::ShowWindow(main, SW_HIDE);
    ::ShowWindow(main, SW_RESTORE);
    ::ShowWindow(main, SW_SHOW);
    if (!(::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToForeground(main);
}

void CDlgColor::RunColorDialog() {
    CDlgColorSub dialog(m_monitor, m_snapshot, m_monitors, m_shell);
    dialog.DoModal(m_hWnd);
}
