// CWnd's plumbing: the one window procedure, the HWND-to-object map, binding a window to its
// object during its creation, the message map's base cases and default processing.
#include "framework/wnd_win.h"

#include "framework/app_win.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

// The one map from window handles to their wrappers. The program has one user-interface thread,
// so plain statics suffice.
std::unordered_map<HWND, CWnd*>& WindowMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The message being handled, innermost first: Default() answers the message its caller is
// handling. Kept on the stack rather than in the object, so a window whose object deletes itself
// while handling a message leaves nothing behind to restore.
struct MessageFrame {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    MessageFrame* outer;
};
MessageFrame* g_currentMessage = nullptr;

HHOOK g_creationHook = nullptr;

// Windows the system creates on its own while a program window is made (the input-method
// windows of the first top-level window); they must not be taken for the program's window.
bool IsSystemHelperWindow(HWND window) {
    TCHAR name[32] = {};
    ::GetClassName(window, name, 32);
    return lstrcmpi(name, TEXT("IME")) == 0 || lstrcmpi(name, TEXT("MSCTFIME UI")) == 0;
}

void RemoveCreationHook() {
    if (g_creationHook) {
        ::UnhookWindowsHookEx(g_creationHook);
        g_creationHook = nullptr;
    }
}

} // namespace

// Creations in progress, innermost last: a dialog may create its pages while it is created.
std::vector<CWnd::Creation*>& CWnd::PendingCreations() {
    static std::vector<Creation*> pending;
    return pending;
}

bool CWnd::AwaitsWindow() {
    const auto& pending = PendingCreations();
    return std::any_of(pending.begin(), pending.end(),
                       [](const Creation* creation) { return !creation->window; });
}

CWnd::~CWnd() {
    if (!m_hWnd)
        return;
    if (m_ownsWindow)
        ::DestroyWindow(m_hWnd);
    else if (m_routed)
        UnsubclassWindow();
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    auto found = WindowMap().find(window);
    return found == WindowMap().end() ? nullptr : found->second;
}

void CWnd::Bind(HWND window, WNDPROC original, bool owned) {
    m_hWnd = window;
    m_originalProc = original;
    m_routed = true;
    m_ownsWindow = owned;
    WindowMap()[window] = this;
}

void CWnd::Unbind() {
    WindowMap().erase(m_hWnd);
    // Another subclasser may have chained itself on top of ours; its procedure stays.
    if (m_originalProc && ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) ==
                              reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure))
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    m_originalProc = nullptr;
    m_routed = false;
    m_ownsWindow = false;
    m_hWnd = nullptr;
}

// The system's hook during a creation: swaps the procedure of the first window made, before its
// first message (WM_NCCREATE, or WM_GETMINMAXINFO), so that message comes here as well.
LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    auto& pending = PendingCreations();
    if (code == HCBT_CREATEWND && !pending.empty() && !pending.back()->window) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (!IsSystemHelperWindow(window)) {
            pending.back()->window = window;
            pending.back()->original = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
        }
    }
    const LRESULT result = ::CallNextHookEx(g_creationHook, code, wParam, lParam);
    // Once the window is found, the hook goes: the controls its template makes, each passing
    // through every hook of the thread, need none.
    if (!AwaitsWindow())
        RemoveCreationHook();
    return result;
}

// The window being created meets its object on its first message.
CWnd* CWnd::BindCreated(HWND window) {
    for (Creation* creation : PendingCreations()) {
        if (creation->window == window && !creation->wnd->m_hWnd) {
            creation->wnd->Bind(window, creation->original, true);
            return creation->wnd;
        }
    }
    return nullptr;
}

void CWnd::BeginCreation(Creation& creation) {
    PendingCreations().push_back(&creation);
    if (!g_creationHook)
        g_creationHook =
            ::SetWindowsHookEx(WH_CBT, &CWnd::CreationHook, nullptr, ::GetCurrentThreadId());
}

HWND CWnd::EndCreation(Creation& creation, HWND created) {
    auto& pending = PendingCreations();
    pending.pop_back();
    if (!AwaitsWindow())
        RemoveCreationHook();
    bool hooked = creation.window == created;
    if (!created || !::IsWindow(created))
        return nullptr;
    // Without the hook (it could not be set), the window is routed from now on.
    if (!hooked && !m_hWnd) {
        WNDPROC original = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
            created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
        Bind(created, original, true);
    }
    return m_hWnd;
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandle(window);
    if (!wnd)
        wnd = BindCreated(window);
    if (!wnd)
        return ::DefWindowProc(window, message, wParam, lParam);
    MessageFrame frame{window, message, wParam, lParam, g_currentMessage};
    g_currentMessage = &frame;
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    g_currentMessage = frame.outer;
    if (message == WM_NCDESTROY)
        wnd->AfterLastMessage();
    return result;
}

void CWnd::AfterLastMessage() {
    if (!m_routed)
        return;
    Unbind();
    // The destruction of the program's main window ends its message loop.
    if (CWinAppLite* app = CWinAppLite::Current(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result))
        return result;
    return OnMessage(message, wParam, lParam);
}

LRESULT CWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam),
                                                    message - WM_CTLCOLORMSGBOX));
    default:
        break;
    }
    return Default();
}

bool CWnd::OnCommand(UINT, UINT, HWND) {
    return false;
}

bool CWnd::OnNotify(NMHDR&, LRESULT&) {
    return false;
}

HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CWnd::Default() {
    MessageFrame* frame = g_currentMessage;
    if (!frame || frame->window != m_hWnd)
        return 0;
    return DefWindowProc(frame->message, frame->wParam, frame->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_originalProc)
        return ::CallWindowProc(m_originalProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}
