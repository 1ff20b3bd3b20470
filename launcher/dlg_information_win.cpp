#include "launcher/dlg_information_win.h"

#include "framework/pattern_brush_win.h"
#include "launcher/page_rules.h"
#include "launcher/res/resource.h"
#include "launcher/skin_brush_win.h"

CDlgInformation::CDlgInformation(const TabList& tabs, const RECT& tabClientRect)
    : CDialog(IDD_INFORMATION), m_tabs(tabs), m_tabClientRect(tabClientRect) {}

bool CDlgInformation::OnInitDialog() {
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_INFO_LINK, *this);
    m_pattern =
        LoadSkinBrush(m_hWnd, m_brush, IDB_INFO_SKIN, IDB_INFO_SKIN_LARGE, &m_tabClientRect);
    if (const TabInfo* tab = FindTabOfKind(m_tabs, TabKind::Information)) {
        ::SetDlgItemText(m_hWnd, IDC_DESCRIPTION, tab->infoMessage.c_str());
        m_link.SetURL(tab->infoUrl);
    }
    return true;
}

HBRUSH CDlgInformation::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (!m_brush)
        return CDialog::OnCtlColor(dc, control, type);
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_DESCRIPTION)
        ::SetTextColor(dc, RGB(0, 0, 0));
    if (id == IDC_DESCRIPTION || id == IDC_INFO_LINK)
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}

LRESULT CDlgInformation::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Where the skin is stretched to the page, it is stretched again to the size the main window
    // gives the page over its tab control, which differs from the template's.
    if (message == WM_SIZE && m_brush && SkinFollowsSize(m_hWnd))
        m_pattern =
            LoadSkinBrush(m_hWnd, m_brush, IDB_INFO_SKIN, IDB_INFO_SKIN_LARGE, &m_tabClientRect);
    return CDialog::OnMessage(message, wParam, lParam);
}
