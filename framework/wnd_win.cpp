#include "framework/wnd_win.h"

#include "framework/app_win.h"
#include "framework/res_string_win.h"

#include <unordered_map>
#include <utility>
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

} // namespace

// Creations in progress, innermost last: a dialog may create its pages while it is created.
std::vector<CWnd::Creation*>& CWnd::PendingCreations() {
    static std::vector<Creation*> pending;
    return pending;
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
    return ::CallNextHookEx(g_creationHook, code, wParam, lParam);
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
    auto& pending = PendingCreations();
    if (pending.empty())
        g_creationHook =
            ::SetWindowsHookEx(WH_CBT, &CWnd::CreationHook, nullptr, ::GetCurrentThreadId());
    pending.push_back(&creation);
}

HWND CWnd::EndCreation(Creation& creation, HWND created) {
    auto& pending = PendingCreations();
    pending.pop_back();
    if (pending.empty() && g_creationHook) {
        ::UnhookWindowsHookEx(g_creationHook);
        g_creationHook = nullptr;
    }
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

bool CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id) {
    if (m_hWnd)
        return false;
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    return CreateRouted([&] {
               return ::CreateWindowEx(exStyle, className, windowName, style, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                       ResourceModule(), nullptr);
           }) != nullptr;
}

bool CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWnd::SubclassWindow(HWND window) {
    if (m_hWnd || !window || !::IsWindow(window) || FromHandle(window))
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    WNDPROC original = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcedure)));
    if (!original) {
        m_hWnd = nullptr;
        return false;
    }
    Bind(window, original, false);
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) {
    return SubclassDlgItem(id, parent.m_hWnd);
}

bool CWnd::SubclassDlgItem(int id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, id));
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (m_routed)
        Unbind();
    m_hWnd = nullptr;
    return window;
}

bool CWnd::Attach(HWND window) {
    if (m_hWnd || !window)
        return false;
    m_hWnd = window;
    return true;
}

HWND CWnd::Detach() {
    if (m_routed)
        return UnsubclassWindow();
    return std::exchange(m_hWnd, nullptr);
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
}

bool CWnd::WalkPreTranslateTree(MSG& msg) {
    for (HWND window = msg.hwnd; window;) {
        if (CWnd* wnd = FromHandle(window); wnd && wnd->PreTranslateMessage(msg))
            return true;
        if (!(::GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD))
            break;
        window = ::GetParent(window);
    }
    return false;
}

TString CWnd::GetWindowText() const {
    int length = ::GetWindowTextLength(m_hWnd);
    if (length <= 0)
        return TString();
    TString text(static_cast<std::size_t>(length) + 1, TEXT('\0'));
    int copied = ::GetWindowText(m_hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) {
    return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        repaint) != FALSE;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = (GetStyle() & ~remove) | add;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    if (swpFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     swpFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         SWP_FRAMECHANGED);
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

// The control a notification comes from, or null for messages that are no notifications.
HWND CWnd::ChildToReflectTo(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        if (lParam)
            child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        if (lParam && reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType != ODT_MENU)
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (lParam && reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType != ODT_MENU)
            child = ::GetDlgItem(
                self, static_cast<int>(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID));
        break;
    case WM_COMPAREITEM:
        if (lParam)
            child = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_DELETEITEM:
        if (lParam)
            child = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        break;
    }
    (void)wParam;
    return child == self ? nullptr : child;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = ChildToReflectTo(m_hWnd, message, wParam, lParam);
    if (!child)
        return false;
    CWnd* wnd = FromHandle(child);
    return wnd && wnd->OnChildNotify(message, wParam, lParam, result);
}
