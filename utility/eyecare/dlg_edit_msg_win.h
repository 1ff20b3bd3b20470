// CDlgEditMsg, the Edit Message dialog: the reminder's message in a byte-limited edit (255
// bytes, what the balloon holds). OK hands the text back; a display change or the main window's
// close request ends it with 0 and no text.
#pragma once

#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "utility/eyecare/byte_edit_win.h"
#include "utility/ui/shell_state.h"

#include <string>

// DoModal's result when the dialog was closed for a display change.
inline constexpr INT_PTR kEditMsgClosedForRescan = 0;

class CDlgEditMsg : public CDialog {
  public:
    // Sets `shell.m_hwndEditMessage` while its window exists.
    CDlgEditMsg(std::string message, ShellState& shell);

    // The text as OK found it (the opening text otherwise).
    const std::string& Message() const { return m_message; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    std::string m_message;
    ShellState& m_shell;
    CByteEdit m_edit;
    ScopedBrush m_brush;
};
