// What the main window does for its model: showing, hiding and bringing it forward, its pages and
// tabs, and the messages it sends the pages and the open dialogs.
#include "utility/shell/dimora_dlg_win.h"

#include "framework/foreground_win.h"
#include "utility/res/resource.h"
#include "utility/shell/page_keys.h"
#include "utility/ui/system_dialogs_win.h"
#include "utility/ui/user_messages.h"

void CDimoraDlg::ShowWindowNormal() {
    ShowWindow(SW_SHOWNORMAL);
}

void CDimoraDlg::HideWindow() {
    ShowWindow(SW_HIDE);
}

void CDimoraDlg::ShowOnlyPage(int index) {
    for (int i = 0; i < kPageCount; ++i)
        Page(i).ShowWindow(SW_HIDE);
    if (index >= 0 && index < kPageCount)
        Page(index).ShowWindow(SW_SHOW);
}

void CDimoraDlg::SelectTab(int index) {
    m_tab.SetCurSel(index);
}

void CDimoraDlg::RefreshTabControl() {
    m_tab.ShowWindow(SW_HIDE);
    m_tab.ShowWindow(SW_SHOW);
    m_tab.SetFocus();
}

void CDimoraDlg::PostAutoPageRefresh() {
    m_pageAuto.PostMessage(WM_PAGE_REFRESH);
}

void CDimoraDlg::RefreshPage(int index) {
    if (index == 1)
        m_pageColor.Refresh();
    else if (index == 2)
        m_pageSound.Refresh();
}

void CDimoraDlg::BringToForeground() {
    ::BringToForeground(m_hWnd);
}

void CDimoraDlg::CloseAuxiliaryDialogs() {
    const ShellState& shell = m_context.shell;
    for (WindowHandle dialog :
         {shell.m_hwndColorAdjust, shell.m_hwndMonitorList, shell.m_hwndEditMessage,
          shell.m_hwndEyeCare, shell.m_hwndFilterFileDialog, shell.m_hwndFilterDialog,
          shell.m_hwndHotkeys}) {
        if (dialog && ::IsWindow(static_cast<HWND>(dialog)))
            ::SendMessageA(static_cast<HWND>(dialog), WM_CLOSE_FOR_RESCAN, 0, 0);
    }
}

void CDimoraDlg::EndModalLoops() {
    CloseAuxiliaryDialogs();
    if (HWND about = static_cast<HWND>(m_context.shell.m_hwndAbout); about && ::IsWindow(about))
        ::SendMessageA(about, WM_CLOSE_FOR_RESCAN, 0, 0);
    EndSystemDialogs();
    // The notification menu, or the window's system menu.
    ::EndMenu();
}

void CDimoraDlg::PostMonitorsChanged() {
    m_pageAuto.PostMessage(WM_MONITORS_CHANGED);
}

void CDimoraDlg::SendFilterReapply() {
    if (HWND dialog = static_cast<HWND>(m_context.shell.m_hwndFilterDialog))
        ::SendMessageA(dialog, WM_FILTER_REAPPLY, 0, 0);
}

void CDimoraDlg::PostExit() {
    PostMessage(WM_COMMAND, ID_TRAY_EXIT);
}
