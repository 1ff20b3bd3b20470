// CWnd, the base of every window wrapper: one window procedure and one HWND-to-object map for the
// whole program, the message map, notification reflection and the window helpers.
//
// Dispatch of one message to a wrapped window, in this order:
//   1. WindowProc (virtual): sees every message first; user messages are handled here.
//   2. Reflection: a notification from a child control (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
//      WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM, WM_HSCROLL, WM_VSCROLL) is first
//      offered to the child's wrapper through OnChildNotify; when the child handles it, the parent
//      never sees it.
//   3. OnMessage (virtual): the message map, a `switch (message)` whose cases each call one
//      handler; unhandled messages go on to the base class's OnMessage. The base decodes
//      WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* into OnCommand, OnNotify and OnCtlColor.
//   4. Default(): the window's original procedure (the control's class, DefDlgProc for dialogs).
#pragma once

#include "framework/tstring_win.h"

#include <vector>

class CWnd {
  public:
    CWnd() = default;
    // A window this object created is destroyed; a subclassed one gets its own procedure back.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The wrapper whose messages `window` routes through this framework, or null.
    static CWnd* FromHandle(HWND window);

    // Creates a window of a registered class; WindowProc sees every message from WM_NCCREATE on.
    bool CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    bool DestroyWindow();

    // Routes the messages of an existing window (typically a dialog template's control) through
    // this object. Fails when this object already has a window or the window is wrapped already.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int id, const CWnd& parent);
    bool SubclassDlgItem(int id, HWND parent);
    // Gives the window its own procedure back and forgets it.
    HWND UnsubclassWindow();
    // Wraps a window without routing its messages: the wrapper only sends it messages.
    bool Attach(HWND window);
    HWND Detach();

    // Called for each queued message addressed to this window or one of its children before it
    // is translated and dispatched; true consumes the message.
    virtual bool PreTranslateMessage(MSG& msg);
    // Offers `msg` to the wrappers of its window and of that window's parents, innermost first.
    static bool WalkPreTranslateTree(MSG& msg);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessage(m_hWnd, message, wParam, lParam) != FALSE;
    }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    void SetWindowText(LPCTSTR text) { ::SetWindowText(m_hWnd, text); }
    TString GetWindowText() const;
    void SetFont(HFONT font, bool redraw = true) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    bool ShowWindow(int command) { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    // Invalidates, erases and repaints at once.
    void RedrawNow() {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    bool MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) {
        return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
    }
    bool KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != FALSE; }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE)); }
    // Removes and adds window styles; with `swpFlags`, the frame is recomputed as well. A style
    // already as asked is left alone.
    void ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);

  protected:
    // Every message of the window, first. The default reflects child notifications and then
    // calls OnMessage.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map. The default decodes commands, notifications and control colours and
    // gives everything else to Default().
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND; true when handled. `control` is null for menus and accelerators.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // WM_NOTIFY; true when handled, with the answer in `result`.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    // WM_CTLCOLOR*; `type` is CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC. The default gives the
    // window's own colours.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
    // A notification the parent reflected to this control; true when handled, with the answer to
    // the parent's message in `result`.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called by SubclassWindow before the window's messages come here.
    virtual void PreSubclassWindow() {}
    // Called after the last message (WM_NCDESTROY), when the object no longer has a window; a
    // heap object that owns itself may delete itself here.
    virtual void PostNcDestroy() {}
    // The original procedure's handling of the message being handled now.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // For derived classes that create windows some other way (dialogs): while `create` runs, the
    // first window created on this thread is routed to this object.
    template <typename Create> HWND CreateRouted(Create create);

    HWND m_hWnd = nullptr;

  private:
    // A window being created for `wnd`: the window once the hook has seen it, and its class's
    // procedure.
    struct Creation {
        CWnd* wnd;
        HWND window;
        WNDPROC original;
    };
    static std::vector<Creation*>& PendingCreations();
    // Whether a creation in progress has not met its window yet: the creation hook is needed
    // only then.
    static bool AwaitsWindow();

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static CWnd* BindCreated(HWND window);
    static HWND ChildToReflectTo(HWND self, UINT message, WPARAM wParam, LPARAM lParam);

    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Bind(HWND window, WNDPROC original, bool owned);
    void Unbind();
    void AfterLastMessage();
    void BeginCreation(Creation& creation);
    HWND EndCreation(Creation& creation, HWND created);

    WNDPROC m_originalProc = nullptr;
    bool m_routed = false;
    bool m_ownsWindow = false;
};

template <typename Create> HWND CWnd::CreateRouted(Create create) {
    Creation creation{this, nullptr, nullptr};
    BeginCreation(creation);
    return EndCreation(creation, create());
}
