#include "framework/dialog_win.h"

#include "framework/message_loop_win.h"
#include "framework/res_language_win.h"
#include "framework/res_string_win.h"

namespace {

// The dialog procedure the dialog manager asks: everything is handled in the window procedure in
// front of it, so this one leaves every message to the default dialog handling.
INT_PTR CALLBACK DefaultDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

bool CDialog::CreateFromTemplate(HWND parent) {
    if (m_hWnd)
        return false;
    // The template is found as the framework finds every resource, in the program's chosen
    // language; the dialog manager's own search would take the loader's.
    const HINSTANCE module = ResourceModule();
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATE>(ProgramResourceData(
        module, FindProgramResource(module, RT_DIALOG, MAKEINTRESOURCE(m_templateId))));
    if (!dialogTemplate)
        return false;
    return CreateRouted([&] {
               return ::CreateDialogIndirectParam(module, dialogTemplate, parent,
                                                  &DefaultDialogProc, 0);
           }) != nullptr;
}

bool CDialog::Create(HWND parent) {
    m_modal = false;
    return CreateFromTemplate(parent);
}

bool CDialog::Create(UINT templateId, HWND parent) {
    m_templateId = templateId;
    return Create(parent);
}

INT_PTR CDialog::DoModal(HWND parent) {
    if (m_hWnd)
        return -1;
    HWND owner = parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
    m_modal = true;
    m_endModal = false;
    m_result = -1;
    if (!CreateFromTemplate(owner)) {
        m_modal = false;
        return -1;
    }
    bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);
    if (!m_endModal && m_hWnd && !IsWindowVisible())
        ShowWindow(SW_SHOWNORMAL);
    RunModalLoop();
    // The owner is enabled again before the dialog goes, so that it, not some other program,
    // becomes the active window.
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        DestroyWindow();
    }
    m_modal = false;
    return m_result;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (!m_endModal && m_hWnd) {
        BOOL got = ::GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_result = -1;
            return;
        }
        if (got == -1) {
            m_result = -1;
            return;
        }
        DispatchQueuedMessage(msg);
    }
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_endModal = true;
        // Wakes the modal loop when this was called outside its dispatch.
        if (m_hWnd)
            PostMessage(WM_NULL);
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

bool CDialog::PreTranslateMessage(MSG& msg) {
    if (!m_hWnd || (GetStyle() & WS_CHILD))
        return false;
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    return ::IsDialogMessage(m_hWnd, &msg) != FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A modal dialog destroyed from outside ends its loop.
    if (message == WM_NCDESTROY && m_modal)
        m_endModal = true;
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    default:
        return CWnd::OnMessage(message, wParam, lParam);
    }
}

bool CDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED) {
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    return CWnd::OnCommand(id, code, control);
}
