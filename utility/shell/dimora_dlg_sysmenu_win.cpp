// The main window's system menu: About and Keep On Top.
#include "utility/shell/dimora_dlg_win.h"

#include "framework/res_string_win.h"
#include "utility/res/resource.h"
#include "utility/shell/about_dlg_win.h"
#include "utility/ui/modal_loop.h"

void CDimoraDlg::AddSystemMenuItems() {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, IDM_KEEPONTOP, LoadResString(IDS_KEEP_ON_TOP).c_str());
    const std::string about = LoadResString(IDS_ABOUTBOX);
    if (!about.empty()) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
}

bool CDimoraDlg::OnSysCommand(WPARAM command) {
    // The system reserves the low four bits of its commands.
    switch (command & 0xFFF0) {
    case IDM_ABOUTBOX: {
        CAboutDlg about(m_context.shell);
        RunModal(m_context.shell, [&] { return about.DoModal(m_hWnd); });
        return true;
    }
    case IDM_KEEPONTOP:
        m_model.OnKeepOnTop();
        return true;
    default:
        return false;
    }
}

bool CDimoraDlg::IsTopmost() const {
    return (GetExStyle() & WS_EX_TOPMOST) != 0;
}

void CDimoraDlg::SetTopmost(bool topmost) {
    SetWindowPos(topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CDimoraDlg::CheckKeepOnTop(bool checked) {
    ::CheckMenuItem(::GetSystemMenu(m_hWnd, FALSE), IDM_KEEPONTOP,
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
