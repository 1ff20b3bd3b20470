// CDialog: a window made from a dialog template of the program's resources, modeless (Create)
// or modal (DoModal). Both run through the framework's window procedure and message map; a modal
// dialog runs its own message loop, so PreTranslateMessage works in both.
#pragma once

#include "framework/wnd_win.h"

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}

    // Creates the dialog modeless; it shows at once only when its template is visible.
    bool Create(HWND parent = nullptr);
    bool Create(UINT templateId, HWND parent);
    // Runs the dialog modal, its owner (the top-level window of `parent`) disabled meanwhile, and
    // answers the EndDialog result, or -1 when the dialog could not be created or WM_QUIT ended
    // the loop (WM_QUIT is then posted again for the outer loop).
    INT_PTR DoModal(HWND parent = nullptr);
    // Ends a modal dialog with `result` once the current message is handled; hides a modeless one.
    void EndDialog(INT_PTR result);

    UINT TemplateId() const { return m_templateId; }
    bool IsModal() const { return m_modal; }

    // Dialog navigation (Tab, arrows, Enter, Escape, mnemonics) for top-level dialogs.
    bool PreTranslateMessage(MSG& msg) override;

  protected:
    // WM_INITDIALOG; true lets the system give the focus to the first tab stop.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateFromTemplate(HWND parent);
    void RunModalLoop();

    UINT m_templateId;
    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_result = -1;
};
