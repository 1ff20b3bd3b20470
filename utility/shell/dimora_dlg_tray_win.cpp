// The main window's notification icon: its mouse messages, its menu, Explorer restarting, and
// the state query through which tools and tests read the window's state.
#include "utility/shell/dimora_dlg_win.h"

#include "framework/own_cpu_win.h"
#include "framework/own_objects_win.h"
#include "framework/res_language_win.h"
#include "utility/res/resource.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/user_messages.h"

#include <vector>

namespace {

LRESULT OwnVersion() {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    const HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return -1;
    // The version functions read a copy, as GetFileVersionInfo gives it.
    std::vector<BYTE> block(data, data + ::SizeofResource(module, resource));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed)
        return -1;
    return static_cast<LRESULT>(HIWORD(fixed->dwFileVersionMS) << 16 |
                                LOWORD(fixed->dwFileVersionMS) << 8 |
                                HIWORD(fixed->dwFileVersionLS));
}

} // namespace

bool CDimoraDlg::OnTrayNotify(LPARAM mouseMessage) {
    const TrayMouse mouse = mouseMessage == WM_LBUTTONDBLCLK ? TrayMouse::LeftDoubleClick
                            : mouseMessage == WM_RBUTTONUP   ? TrayMouse::RightButtonUp
                                                             : TrayMouse::Other;
    return m_model.OnTrayNotify(mouse);
}

void CDimoraDlg::ShowTrayMenu(const TrayMenuChoice& choice) {
    SetFocus();
    BringToForeground();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScopedMenu menu(LoadResMenu(IDR_TRAY_MENU));
    if (!menu)
        return;
    HMENU popup = ::GetSubMenu(menu.Get(), choice.popup);
    if (choice.popup == 0) {
        if (choice.grayed) {
            for (UINT id : {ID_TRAY_SETTINGS, ID_TRAY_EYECARE, ID_TRAY_FILTER, ID_TRAY_HOTKEYS,
                            ID_TRAY_MONITOR_LIST, ID_TRAY_EXIT})
                ::EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
        }
        ::SetMenuDefaultItem(popup, ID_TRAY_SETTINGS, FALSE);
    }
    // The menu's own loop dispatches timers and posted messages too.
    RunModal(m_context.shell, [&] {
        return ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                                m_hWnd, nullptr);
    });
    // Lets the menu close when the user clicks elsewhere.
    PostMessage(WM_NULL);
}

void CDimoraDlg::OnTaskbarCreated() {
    m_model.OnTaskbarCreated();
    NoteIconShown();
}

void CDimoraDlg::NoteIconShown() {
    if (m_iconAfterMs >= 0 || m_model.TrayState() == 0)
        return;
    m_iconTick = ::GetTickCount();
    m_iconAfterMs = static_cast<LRESULT>(m_iconTick - m_context.startTick);
}

LRESULT CDimoraDlg::AnswerStateQuery(WPARAM what) {
    switch (what) {
    case kQueryTrayState:
        return m_model.TrayState();
    case kQueryCurrentPage:
        return m_model.CurrentPage();
    case kQueryMonitorCount:
        return static_cast<LRESULT>(m_context.monitors.monitors.size());
    case kQueryMainShown:
        return m_context.shell.m_mainShown;
    case kQueryReady:
        return m_ready ? 1 : 0;
    case kQueryIconAfterMs:
        return m_iconAfterMs;
    case kQueryIconTick:
        return static_cast<LRESULT>(m_iconTick);
    case kQueryRescans:
        return m_model.RescanCount();
    case kQueryFilterReapply:
        return m_model.FilterReapplyPending() ? 1 : 0;
    case kQueryCpuMs:
        return static_cast<LRESULT>(OwnCpuMs());
    case kQueryGammaRampStart:
        return m_screenFilter.RampStartReadBack();
    case kQueryFilterLuminance:
        return m_screenFilter.AppliedLuminance();
    case kQueryVersion:
        return OwnVersion();
    case kQueryGdiObjects:
        return static_cast<LRESULT>(OwnGdiObjects());
    case kQueryUserObjects:
        return static_cast<LRESULT>(OwnUserObjects());
    case kQueryModalLoops:
        return m_context.shell.m_modalLoops;
    case kQueryKeepOnTop:
        return (::GetMenuState(::GetSystemMenu(m_hWnd, FALSE), IDM_KEEPONTOP, MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    default:
        return -1;
    }
}
