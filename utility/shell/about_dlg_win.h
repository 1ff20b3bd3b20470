// The About box: the version line and the copyright line. It closes on WM_CLOSE_FOR_RESCAN, as
// Exit and a rescan ask every open loop of the program.
#pragma once

#include "framework/dialog_win.h"
#include "utility/ui/shell_state.h"

class CAboutDlg : public CDialog {
  public:
    explicit CAboutDlg(ShellState& shell);

  protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    ShellState& m_shell;
};
