#include "launcher/dlg_manual_select_win.h"

#include "launcher/res/resource.h"

namespace {

constexpr COLORREF kBackground = RGB(239, 239, 233);

UINT TemplateOf(SelectionLayout layout) {
    switch (layout) {
    case SelectionLayout::Model:
        return IDD_MODEL_SELECT;
    case SelectionLayout::ModelAndLanguage:
        return IDD_MODEL_LANGUAGE_SELECT;
    case SelectionLayout::Language:
        break;
    }
    return IDD_LANGUAGE_SELECT;
}

bool IsLanguageButton(UINT id) {
    return id >= IDC_LANGUAGE_FIRST && id <= IDC_LANGUAGE_LAST;
}

} // namespace

CDlgManualSelect::CDlgManualSelect(const ItemInfo& item, SelectionLayout layout,
                                   const LaunchContext& context)
    : CDialog(TemplateOf(layout)), m_selection(item, layout, context.programFolder),
      m_selectionDialogOpen(context.selectionDialogOpen) {}

bool CDlgManualSelect::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brush.Reset(::CreateSolidBrush(kBackground));
    if (m_selection.HasModelList()) {
        m_models.SubclassDlgItem(IDC_MODEL_LIST, *this);
        m_models.ResetContent();
        // Inserted at their positions, which keeps the file order in a sorted list.
        const std::vector<std::wstring> names = m_selection.ModelNames();
        for (std::size_t i = 0; i < names.size(); ++i)
            m_models.InsertString(static_cast<int>(i), names[i].c_str());
        m_models.SetCurSel(0);
    }
    if (m_selection.HasLanguageButtons()) {
        for (int i = 0; i < kManualLanguageCount; ++i)
            m_languages[static_cast<std::size_t>(i)].SubclassDlgItem(IDC_LANGUAGE_FIRST + i, *this);
    }
    UpdateLanguageButtons();
    m_selectionDialogOpen = 1;
    return true;
}

int CDlgManualSelect::Selection() const {
    return m_selection.HasModelList() ? m_models.GetCurSel() : CB_ERR;
}

void CDlgManualSelect::UpdateLanguageButtons() {
    if (!m_selection.HasLanguageButtons())
        return;
    const auto enabled = m_selection.LanguagesEnabled(Selection());
    for (std::size_t i = 0; i < enabled.size(); ++i)
        m_languages[i].EnableWindow(enabled[i]);
}

void CDlgManualSelect::Choose(const std::optional<std::wstring>& path) {
    if (!path) {
        EndDialog(kNotChosen);
        return;
    }
    m_chosenPath = *path;
    EndDialog(kChosen);
}

void CDlgManualSelect::OnOK() {
    if (m_selection.Layout() == SelectionLayout::Model)
        Choose(m_selection.ChooseModel(Selection()));
}

bool CDlgManualSelect::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_MODEL_LIST && code == CBN_SELCHANGE) {
        UpdateLanguageButtons();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_MODEL_OK &&
        m_selection.Layout() == SelectionLayout::Model) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && IsLanguageButton(id) && m_selection.HasLanguageButtons()) {
        const auto language = static_cast<ManualLanguage>(id - IDC_LANGUAGE_FIRST);
        Choose(m_selection.ChooseLanguage(Selection(), language));
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CDlgManualSelect::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && m_hWnd) {
        if (msg.wParam == VK_ESCAPE) {
            EndDialog(kNotChosen);
            return true;
        }
        // Enter in the model list only closes its drop-down.
        if (msg.wParam == VK_RETURN && m_models.GetSafeHwnd() &&
            ::GetFocus() == m_models.GetSafeHwnd())
            return true;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CDlgManualSelect::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        EndDialog(kNotChosen);
        return 0;
    case WM_DESTROY:
        m_selectionDialogOpen = 0;
        break;
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

HBRUSH CDlgManualSelect::OnCtlColor(HDC dc, HWND control, UINT type) {
    const HBRUSH base = CDialog::OnCtlColor(dc, control, type);
    if (type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX || !m_brush)
        return base;
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
