#include "launcher/launcher_dlg_win.h"

#include "framework/minimised_icon_win.h"
#include "framework/pattern_brush_win.h"
#include "framework/res_string_win.h"
#include "framework/tab_theme_win.h"
#include "launcher/core/win/windows_version_win.h"
#include "launcher/launcher_app_win.h"
#include "launcher/launcher_messages_win.h"
#include "launcher/res/resource.h"
#include "launcher/skin_brush_win.h"
#include "launcher/start_marks_win.h"

namespace {

// The page's left edge lies this far left of the tab control's display area, over its frame.
constexpr int kPageLeftOverlap = 2;
// Makes the pages of the other tabs once the window has painted.
constexpr UINT_PTR kOtherPagesTimer = 1;

} // namespace

CLauncherDlg::CLauncherDlg(CLauncherApp& app)
    : CDialog(IDD_LAUNCHER_DIALOG),
      m_app(app), m_itemPages{{
                      CDlgCommon(app.tabs, app.creatingPageKind, app.windowActive,
                                 app.tabClientRect, app.launch),
                      CDlgCommon(app.tabs, app.creatingPageKind, app.windowActive,
                                 app.tabClientRect, app.launch),
                      CDlgCommon(app.tabs, app.creatingPageKind, app.windowActive,
                                 app.tabClientRect, app.launch),
                  }},
      m_infoPage(app.tabs, app.tabClientRect) {
    m_icon = ::LoadIcon(ResourceModule(), MAKEINTRESOURCE(IDR_MAINFRAME));
}

CDialog* CLauncherDlg::PageOfKind(long long kind) {
    const int index = PageIndexOfKind(kind);
    if (index < 0)
        return nullptr;
    if (IsItemPageKind(kind))
        return &m_itemPages[static_cast<std::size_t>(index)];
    return &m_infoPage;
}

bool CLauncherDlg::OnInitDialog() {
    start_marks::Mark("dialog made");
    CDialog::OnInitDialog();
    // The big icon only: the system makes the caption's small icon from it, and every icon set
    // costs a conversion (under Wine, one for the window manager).
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    m_tab.SubclassDlgItem(IDC_TAB, *this);
    // Windows 2000 (and an unknown system) keeps the themed tab control.
    if (GetCurrentOsMask() & os_mask::kXpOrLater)
        UnthemeTabControl(m_tab.GetSafeHwnd());
    m_pattern = LoadSkinBrush(m_hWnd, m_brush, IDB_MAIN_SKIN, IDB_MAIN_SKIN_LARGE, nullptr);
    start_marks::Mark("skin");

    m_app.LoadLauncherInfo();
    start_marks::Mark("description read");
    SetWindowText(m_app.launcherTitle.c_str());
    m_app.tabClientRect = m_tab.GetClientRect();
    InsertTabs();
    start_marks::Mark("tabs");
    CreatePages();
    start_marks::Mark("pages made");
    // No focus yet: the dialog manager would activate the hidden window for it, and the window
    // is activated again when it shows. Shown, it is activated once, and the default dialog
    // handling then gives the focus to the first control that takes it (the tab control).
    return false;
}

void CLauncherDlg::InsertTabs() {
    const TabList& tabs = m_app.tabs;
    for (std::size_t j = 0; j < tabs.size(); ++j)
        m_tab.InsertItem(static_cast<int>(j), tabs[j]->title.c_str(),
                         static_cast<LPARAM>(tabs[j]->kind));
}

// Only the first tab's page is made before the window shows; the others once it has painted
// (the timer's message comes only when nothing is left to paint), or when their tab is chosen
// before that.
void CLauncherDlg::CreatePages() {
    CreatePage(0);
    ::SetTimer(m_hWnd, kOtherPagesTimer, USER_TIMER_MINIMUM, nullptr);
}

void CLauncherDlg::CreateOtherPages() {
    ::KillTimer(m_hWnd, kOtherPagesTimer);
    for (std::size_t j = 1; j < m_app.tabs.size(); ++j)
        CreatePage(j);
}

void CLauncherDlg::CreatePage(std::size_t j) {
    if (j >= m_app.tabs.size())
        return;
    const TabKind kind = m_app.tabs[j]->kind;
    CDialog* page = PageOfKind(static_cast<long long>(kind));
    // A second tab of a kind that already has its page reuses it.
    if (!page || page->GetSafeHwnd())
        return;
    if (IsItemPageKind(static_cast<long long>(kind))) {
        m_app.creatingPageKind = static_cast<int>(kind);
        page->Create(IDD_COMMON, m_tab.GetSafeHwnd());
    } else {
        page->Create(IDD_INFORMATION, m_tab.GetSafeHwnd());
    }
    if (!page->GetSafeHwnd())
        return;
    RECT display = m_tab.GetClientRect();
    m_tab.AdjustRect(false, display);
    display.left -= kPageLeftOverlap;
    // Placed, sized and (the first tab's) shown in one step. No redraw: the first page is made
    // before the window shows, whose first paint draws it; the others are made hidden.
    const UINT flags = SWP_NOACTIVATE | SWP_NOREDRAW | (j == 0 ? SWP_SHOWWINDOW : SWP_NOZORDER);
    page->SetWindowPos(HWND_TOP, display.left, display.top, display.right - display.left,
                       display.bottom - display.top, flags);
}

LRESULT CLauncherDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCACTIVATE:
        OnNcActivate(wParam != FALSE);
        break; // the default draws the frame
    case WM_ACTIVATE:
        // The activation itself also sets the flag: a system may activate the dialog while it
        // is still hidden, drawing its frame inactive then (Wine does), and never redraw the
        // frame once the shown window is the foreground one.
        m_app.windowActive = LOWORD(wParam) != WA_INACTIVE ? 1 : 0;
        break;
    case WM_SHOWWINDOW:
        if (wParam)
            start_marks::WindowShown();
        break;
    case WM_TIMER:
        if (wParam == kOtherPagesTimer) {
            CreateOtherPages();
            return 0;
        }
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_PAINT:
        if (PaintMinimisedIcon(m_hWnd, m_icon))
            return 0;
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_icon);
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

bool CLauncherDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_EXIT && code == BN_CLICKED) {
        OnExit();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CLauncherDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_TAB && header.code == TCN_SELCHANGE) {
        OnSelChange();
        result = 0;
        return true;
    }
    return CDialog::OnNotify(header, result);
}

void CLauncherDlg::OnSelChange() {
    CreateOtherPages();
    const int count = m_tab.GetItemCount();
    for (int i = 0; i < count; ++i) {
        if (CDialog* page = PageOfKind(m_tab.GetItemData(i)); page && page->GetSafeHwnd())
            page->ShowWindow(SW_HIDE);
    }
    const int selected = m_tab.GetCurSel();
    if (selected >= 0 && selected < count) {
        if (CDialog* page = PageOfKind(m_tab.GetItemData(selected)); page && page->GetSafeHwnd())
            page->ShowWindow(SW_SHOW);
    }
    // The whole window again, pages included: the dialog paints its skin through the tab
    // control, and the page now shown must paint after it.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_tab.SetFocus();
}

// Exit (unlike Escape or the close box) first starts what installers from the pages registered.
void CLauncherDlg::OnExit() {
    CreateOtherPages();
    const int count = m_tab.GetItemCount();
    for (int i = 0; i < count; ++i) {
        const long long kind = m_tab.GetItemData(i);
        if (CDialog* page = PageOfKind(kind); IsItemPageKind(kind) && page->GetSafeHwnd())
            page->SendMessage(WM_LAUNCH_REGISTERED_APPS);
    }
    EndDialog(0);
}

void CLauncherDlg::OnNcActivate(bool active) {
    m_app.windowActive = active ? 1 : 0;
    if (active || m_tab.GetItemCount() <= 0)
        return;
    const long long kind = m_tab.GetItemData(m_tab.GetCurSel());
    if (!ShouldResetHoverOnDeactivate(m_app.subDialogOpen != 0, m_app.selectionDialogOpen != 0,
                                      m_tab.GetItemCount(), kind))
        return;
    if (CDialog* page = PageOfKind(kind); page && page->GetSafeHwnd())
        page->SendMessage(WM_RESET_HOVER);
}

// The pages go before the records they show; then the records are freed.
void CLauncherDlg::OnDestroy() {
    for (CDlgCommon& page : m_itemPages)
        page.DestroyWindow();
    m_infoPage.DestroyWindow();
    m_app.ReleaseLauncherInfo();
}

HBRUSH CLauncherDlg::OnCtlColor(HDC dc, HWND control, UINT type) {
    HBRUSH base = CDialog::OnCtlColor(dc, control, type);
    if (!m_brush)
        return base;
    ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
