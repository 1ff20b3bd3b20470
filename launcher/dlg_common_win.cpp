#include "launcher/dlg_common_win.h"

#include "framework/pattern_brush_win.h"
#include "launcher/core/win/windows_version_win.h"
#include "launcher/item_actions_win.h"
#include "launcher/launcher_messages_win.h"
#include "launcher/res/resource.h"
#include "launcher/skin_brush_win.h"

#include <utility>

namespace {

bool IsItemButtonId(int id) {
    return id >= IDC_ITEM_FIRST && id <= IDC_ITEM_LAST;
}

// The page's buttons, each told of the main window's active flag.
template <std::size_t... Index>
std::array<CStaticButton, sizeof...(Index)> MakeButtons(const int& windowActive,
                                                        std::index_sequence<Index...>) {
    return {((void)Index, CStaticButton(windowActive))...};
}

} // namespace

CDlgCommon::CDlgCommon(const TabList& tabs, const int& creatingPageKind, const int& windowActive,
                       const RECT& tabClientRect, const LaunchContext& launch)
    : CDialog(IDD_COMMON), m_tabs(tabs), m_creatingPageKind(creatingPageKind),
      m_tabClientRect(tabClientRect), m_launch(launch),
      m_buttons(MakeButtons(windowActive, std::make_index_sequence<kItemButtonCount>())) {}

bool CDlgCommon::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < kItemButtonCount; ++i)
        m_buttons[static_cast<std::size_t>(i)].SubclassDlgItem(IDC_ITEM_FIRST + i, *this);
    m_description = GetDlgItem(IDC_DESCRIPTION);
    m_tab = FindTabOfKind(m_tabs, static_cast<TabKind>(m_creatingPageKind));
    SetUpButtons();
    m_pattern =
        LoadSkinBrush(m_hWnd, m_brush, IDB_PAGE_SKIN, IDB_PAGE_SKIN_LARGE, &m_tabClientRect);
    return true;
}

void CDlgCommon::SetUpButtons() {
    const auto plan = PlanItemButtons(m_tab, GetCurrentOsMask());
    ClientDC measuringDc(m_hWnd);
    for (std::size_t p = 0; p < plan.size(); ++p) {
        CStaticButton& button = m_buttons[p];
        // The template makes every link hidden and disabled: a place without an item stays so,
        // and costs the page no paint.
        if (const ItemInfo* item = plan[p].item) {
            button.Setup(item, &item->caption, &m_defaultText, m_description);
            if (plan[p].enabled)
                button.EnableWindow(true);
            FitButtonToText(button, measuringDc.Get());
        } else {
            button.Setup(nullptr, &m_defaultText, &m_defaultText, m_description);
        }
    }
    if (m_description)
        ::SetWindowText(m_description, m_defaultText.c_str());
}

// The link is exactly as wide as its title, so only the title itself reacts to the pointer; it
// is shown in the same step. The title is measured in the link's own font, the one it draws with.
void CDlgCommon::FitButtonToText(CStaticButton& button, HDC measuringDc) {
    const TString title = button.GetWindowText();
    SIZE extent{0, 0};
    SelectObjectScope selectFont(measuringDc, button.GetFont());
    ::GetTextExtentPoint32(measuringDc, title.c_str(), static_cast<int>(title.size()), &extent);
    RECT rect = button.GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    rect.right = rect.left + extent.cx;
    // The page is not shown yet while it sets its buttons up: its first paint draws them.
    const UINT redraw = IsWindowVisible() ? 0 : SWP_NOREDRAW;
    button.SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | redraw);
}

LRESULT CDlgCommon::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The first page told starts every installer's program; the launcher keeps one list, so the
    // others find it empty.
    if (message == WM_LAUNCH_REGISTERED_APPS)
        ::LaunchRegisteredApps(m_hWnd, m_launch);
    else if (message == WM_RESET_HOVER) {
        for (CStaticButton& button : m_buttons)
            button.ResetHover(0);
    }
    // Where the skin is stretched to the page, it is stretched again to the size the main window
    // gives the page over its tab control, which differs from the template's.
    if (message == WM_SIZE && m_brush && SkinFollowsSize(m_hWnd))
        m_pattern =
            LoadSkinBrush(m_hWnd, m_brush, IDB_PAGE_SKIN, IDB_PAGE_SKIN_LARGE, &m_tabClientRect);
    return CDialog::WindowProc(message, wParam, lParam);
}

bool CDlgCommon::OnCommand(UINT id, UINT code, HWND control) {
    if (IsItemButtonId(static_cast<int>(id)) && code == STN_CLICKED) {
        OnItemClicked(static_cast<int>(id) - IDC_ITEM_FIRST);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CDlgCommon::OnItemClicked(int index) {
    CStaticButton& button = m_buttons[static_cast<std::size_t>(index)];
    // A click reported after the pointer has left the link runs nothing.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT rect = button.GetWindowRect();
    if (!::PtInRect(&rect, cursor))
        return;
    const ItemInfo* item = button.Item();
    if (!item)
        return;
    ::ReleaseCapture();
    LaunchItem(m_hWnd, m_launch, *item);
    // Captured again while the pointer is still on the link, so that leaving it is noticed. A
    // message box or dialog of the action may have taken the pointer elsewhere: a capture then
    // would swallow the next click anywhere in the window, so the link lets go instead.
    ::GetCursorPos(&cursor);
    const RECT now = button.GetWindowRect();
    if (::PtInRect(&now, cursor))
        ::SetCapture(button.GetSafeHwnd());
    else
        button.ResetHover(0);
}

HBRUSH CDlgCommon::OnCtlColor(HDC dc, HWND control, UINT type) {
    if (!m_brush)
        return CDialog::OnCtlColor(dc, control, type);
    const int id = control && control != m_hWnd ? ::GetDlgCtrlID(control) : 0;
    if (id == IDC_DESCRIPTION)
        ::SetTextColor(dc, RGB(0, 0, 0));
    if (id == IDC_DESCRIPTION || IsItemButtonId(id))
        AlignPatternBrush(dc, m_brush.Get(), m_pattern, m_hWnd, control);
    else
        ResetPatternBrushOrigin(dc, m_brush.Get());
    ::SetBkMode(dc, TRANSPARENT);
    return m_brush.Get();
}
