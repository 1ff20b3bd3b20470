#include "launcher/dlg_app_proc_select_win.h"

#include "launcher/core/win/windows_version_win.h"
#include "launcher/res/resource.h"

namespace {

constexpr COLORREF kBackground = RGB(239, 239, 233);

} // namespace

CDlgAppProcSelect::CDlgAppProcSelect(const ItemInfo& application, const LaunchContext& context)
    : CDialog(IDD_APP_PROC_SELECT), m_application(application), m_context(context) {}

bool CDlgAppProcSelect::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brush.Reset(::CreateSolidBrush(kBackground));
    const std::wstring caption = m_application.title + L" ";
    SetWindowText(caption.c_str());
    for (int i = 0; i < kSubItemButtonCount; ++i)
        m_buttons[static_cast<std::size_t>(i)].SubclassDlgItem(IDC_SUB_ITEM_FIRST + i, *this);
    const int count = SubItemButtonCount(m_application);
    FitHeight(count);
    m_plan = PlanSubItemButtons(m_application, GetCurrentOsMask());
    for (std::size_t p = 0; p < m_buttons.size(); ++p) {
        CButton& button = m_buttons[p];
        if (const ItemInfo* item = m_plan[p].item) {
            button.SetWindowText(item->title.c_str());
            button.EnableWindow(m_plan[p].enabled);
        } else {
            button.EnableWindow(false);
            button.ShowWindow(SW_HIDE);
        }
    }
    m_context.subDialogOpen = 1;
    return true;
}

// The dialog ends below the last button used, keeping the margin it has below the fifth.
void CDlgAppProcSelect::FitHeight(int count) {
    if (count < 1)
        return;
    RECT dialog = GetWindowRect();
    const RECT fifth = m_buttons.back().GetWindowRect();
    const RECT last = m_buttons[static_cast<std::size_t>(count - 1)].GetWindowRect();
    dialog.bottom = last.bottom + (dialog.bottom - fifth.bottom);
    MoveWindow(dialog, true);
}

bool CDlgAppProcSelect::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && id >= IDC_SUB_ITEM_FIRST && id <= IDC_SUB_ITEM_LAST) {
        const auto index = static_cast<std::size_t>(id - IDC_SUB_ITEM_FIRST);
        if (const ItemInfo* item = m_plan[index].item)
            LaunchSubItem(m_hWnd, m_context, m_application, *item);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

LRESULT CDlgAppProcSelect::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        m_context.subDialogOpen = 0;
    return CDialog::OnMessage(message, wParam, lParam);
}

HBRUSH CDlgAppProcSelect::OnCtlColor(HDC dc, HWND control, UINT type) {
    const HBRUSH base = CDialog::OnCtlColor(dc, control, type);
    if (!m_brush)
        return base;
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
