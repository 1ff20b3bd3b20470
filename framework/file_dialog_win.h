// CFileDialog: the system's open-file dialog (Explorer style) with a hook, so that a derived
// class sees the dialog's messages: OnInitDone once the dialog is ready, OnHookMessage for the
// rest. The hook window is a child of the dialog the user sees (GetDialog).
#pragma once

#include "framework/tstring_win.h"
#include "framework/wnd_win.h"

#include <commdlg.h>

class CFileDialog {
  public:
    // `filter` as "Name|*.a;*.b|Other|*.c|" (a '|' between the texts, one at the end);
    // `defaultExtension` without the dot.
    CFileDialog(TStringView defaultExtension, TStringView filter, DWORD flags);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // Runs the dialog owned by `owner`: IDOK with a file chosen, IDCANCEL otherwise.
    INT_PTR DoModal(HWND owner);
    // The chosen file's full path.
    TString GetPathName() const { return m_file; }
    // The dialog the user sees; null while it does not run.
    HWND GetDialog() const { return m_hook ? ::GetParent(m_hook) : nullptr; }
    HWND GetHookWindow() const { return m_hook; }

  protected:
    virtual void OnInitDone() {}
    // Any other message to the hook window; true when handled.
    virtual bool OnHookMessage(UINT, WPARAM, LPARAM) { return false; }

  private:
    static UINT_PTR CALLBACK HookProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);

    TString m_defaultExtension;
    TString m_filter; // with the zeros the system expects
    DWORD m_flags;
    TString m_file;
    HWND m_hook = nullptr;
};
