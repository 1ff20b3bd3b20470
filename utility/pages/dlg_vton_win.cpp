#include "utility/pages/dlg_vton_win.h"

#include "framework/pattern_brush_win.h"
#include "framework/res_string_win.h"
#include "utility/pages/page_tab_keys_win.h"
#include "utility/res/resource.h"
#include "utility/ui/page_brush_win.h"
#include "utility/ui/user_messages.h"

namespace {

void FillList(CComboBox& list, const std::vector<ModeItem>& items) {
    list.ResetContent();
    for (const ModeItem& item : items) {
        const int index = list.AddString(item.name.c_str());
        list.SetItemData(index, static_cast<DWORD_PTR>(item.mode));
    }
}

// Asked of the check box itself: the watcher's timer asks ten times a second, and finding a
// control by its identifier is a system round trip under Wine.
bool Checked(HWND checkBox) {
    return ::SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

CDlgVton::CDlgVton(CMonitorStatusAll& monitors, DeviceCtrl& ctrl, RegistryPort& registry,
                   GammaPort& displays, const StringTable& strings, ShellState& shell)
    : CDialog(IDD_VTON), m_model(*this, VtonPageDeps{monitors, ctrl, m_windows, registry, displays,
                                                     strings, m_codePage, shell, m_timers}) {}

bool CDlgVton::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_HYPERLINK, *this);
    m_applications.Attach(GetDlgItem(IDC_VTON_APP_LIST));
    m_modes.Attach(GetDlgItem(IDC_VTON_MODE_LIST));
    m_defaults.Attach(GetDlgItem(IDC_VTON_DEFAULT_LIST));
    m_activateBox = GetDlgItem(IDC_VTON_ACTIVATE);
    m_independentBox = GetDlgItem(IDC_VTON_INDEPENDENT);
    m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_VTON, IDB_PAGE_VTON_LARGE);
    m_timers.SetWindow(m_hWnd);
    m_model.Start();
    return true;
}

bool CDlgVton::PreTranslateMessage(MSG& msg) {
    return HandlePageExitKeys(m_hWnd, IDC_VTON_ACTIVATE, msg) || CDialog::PreTranslateMessage(msg);
}

LRESULT CDlgVton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAGE_REFRESH:
        m_model.ShowSelected();
        return 0;
    case WM_MONITORS_CHANGED:
        m_model.MonitorsChanged();
        return 0;
    case WM_FOREGROUND_APP:
        ShowNextForeground();
        return 0;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

LRESULT CDlgVton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        m_model.OnTimer(static_cast<unsigned>(wParam));
        return 0;
    case WM_SHOWWINDOW:
        m_pageVisible = wParam != FALSE;
        m_model.Shown(m_pageVisible);
        break;
    case WM_DESTROY:
        m_model.Stop();
        break;
    case WM_SIZE:
        // Where the picture is stretched to the page, it is stretched again to the size the main
        // window gives the page over its tab control, which differs from the template's.
        if (m_brush)
            m_pattern = CreatePageBrush(m_hWnd, m_brush, IDB_PAGE_VTON, IDB_PAGE_VTON_LARGE);
        break;
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CDlgVton::PostForeground(const std::string& identifier) {
    m_foreground.push_back(identifier);
    if (!PostMessage(WM_FOREGROUND_APP))
        m_foreground.pop_back();
}

void CDlgVton::ShowNextForeground() {
    if (m_foreground.empty())
        return;
    const std::string identifier = std::move(m_foreground.front());
    m_foreground.pop_front();
    m_model.ShowForeground(identifier);
}

bool CDlgVton::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_VTON_ACTIVATE:
        if (code == BN_CLICKED)
            m_model.ActivateClicked();
        return true;
    case IDC_VTON_INDEPENDENT:
        if (code == BN_CLICKED)
            m_model.IndependentClicked();
        return true;
    case IDC_VTON_APP_LIST:
        if (code == CBN_SELCHANGE)
            m_model.ApplicationChanged();
        return true;
    case IDC_VTON_MODE_LIST:
        if (code == CBN_SELCHANGE)
            m_model.ModePicked();
        return true;
    case IDC_VTON_DEFAULT_LIST:
        if (code == CBN_SELCHANGE)
            m_model.DefaultPicked();
        return true;
    case IDC_VTON_REGISTER:
        if (code == BN_CLICKED)
            m_model.Register();
        return true;
    case IDC_VTON_DELETE:
        if (code == BN_CLICKED)
            m_model.Delete();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

HBRUSH CDlgVton::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (!m_brush || type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX)
        return CDialog::OnCtlColor(dc, control, type);
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_VTON_APP_CAPTION || id == IDC_VTON_MODE_CAPTION ||
        id == IDC_VTON_DEFAULT_CAPTION || id == IDC_VTON_ACTIVATE || id == IDC_VTON_INDEPENDENT)
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

void CDlgVton::SetActivate(bool checked) {
    ::CheckDlgButton(m_hWnd, IDC_VTON_ACTIVATE, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CDlgVton::Activate() {
    return Checked(m_activateBox);
}

void CDlgVton::SetIndependent(bool checked) {
    ::CheckDlgButton(m_hWnd, IDC_VTON_INDEPENDENT, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CDlgVton::Independent() {
    return Checked(m_independentBox);
}

bool CDlgVton::AddApplication(const std::string& name) {
    return m_applications.AddString(name.c_str()) >= 0; // CB_ERR or CB_ERRSPACE: not added
}

int CDlgVton::SelectedApplication() {
    return m_applications.GetCurSel();
}

void CDlgVton::SelectApplication(int index) {
    m_applications.SetCurSel(index);
}

void CDlgVton::SetModeList(const std::vector<ModeItem>& items) {
    FillList(m_modes, items);
}

int CDlgVton::SelectedMode() {
    return m_modes.GetCurSel();
}

void CDlgVton::SelectMode(int index) {
    m_modes.SetCurSel(index);
}

void CDlgVton::SetDefaultList(const std::vector<ModeItem>& items) {
    FillList(m_defaults, items);
}

int CDlgVton::SelectedDefault() {
    return m_defaults.GetCurSel();
}

void CDlgVton::SelectDefault(int index) {
    m_defaults.SetCurSel(index);
}

void CDlgVton::EnableControls(const VtonPageControls& controls) {
    const std::pair<int, bool> states[] = {
        {IDC_VTON_INDEPENDENT, controls.independent}, {IDC_VTON_APP_LIST, controls.lists},
        {IDC_VTON_MODE_LIST, controls.lists},         {IDC_VTON_DEFAULT_LIST, controls.lists},
        {IDC_VTON_REGISTER, controls.registerButton}, {IDC_VTON_DELETE, controls.deleteButton},
    };
    for (const auto& [id, enabled] : states)
        ::EnableWindow(GetDlgItem(id), enabled);
}

int CDlgVton::MessageBox(const std::string& text, UINT type) {
    char title[128] = {};
    ::GetWindowTextA(::GetAncestor(m_hWnd, GA_ROOT), title, sizeof title);
    return ::MessageBoxA(m_hWnd, text.c_str(), title, type);
}

bool CDlgVton::AskYesNo(const std::string& text) {
    return MessageBox(text, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void CDlgVton::ShowInformation(const std::string& text) {
    MessageBox(text, MB_OK | MB_ICONINFORMATION);
}

void CDlgVton::ShowWarning(const std::string& text) {
    MessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
