// CFileDialogEx, the EyeCare Filter's picture chooser: the open-file dialog that makes itself
// known to the main window while it runs, so that a display change can close it first.
#pragma once

#include "framework/file_dialog_win.h"
#include "utility/ui/shell_state.h"

class CFileDialogEx : public CFileDialog {
  public:
    CFileDialogEx(ShellState& shell, TStringView defaultExtension, TStringView filter);

    // Clears `shell.m_hwndFilterFileDialog` however the dialog ends.
    INT_PTR DoModal(HWND owner);

  protected:
    // `shell.m_hwndFilterFileDialog` names the hook window, which receives WM_CLOSE_FOR_RESCAN.
    void OnInitDone() override;
    // WM_CLOSE_FOR_RESCAN: the dialog is cancelled, as Escape would.
    bool OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    ShellState& m_shell;
};
