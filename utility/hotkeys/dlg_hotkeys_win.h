// CDlgHotkeys, the modal "Shortcut Keys" dialog from the notification menu: a hot-key control
// per action, the step and the monitor choice. Its behaviour lives in HotkeysDialogModel; the
// dialog moves data between its controls and the model.
#pragma once

#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/spin_button_win.h"
#include "utility/hotkeys/hotkeys_dialog_model.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"

#include <string>

// "Ctrl+Alt+F1": a key as the keyboard names it, modifiers first.
std::string HotkeyText(HotkeyWord key);

class CDlgHotkeys : public CDialog, private HotkeysDialogView {
  public:
    // The dialog sets `shell.m_hwndHotkeys` while its window exists; a display change closes
    // it as Cancel does.
    CDlgHotkeys(RegistryPort& registry, const HotkeyRegistrar& registrar,
                const StringTable& strings, ShellState& shell);

  protected:
    bool OnInitDialog() override;
    void OnOK() override { m_model.Ok(); }
    void OnCancel() override { m_model.Cancel(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // HotkeysDialogView.
    void Show(const HotkeySettings& settings) override;
    HotkeySettings Read() override;
    void ShowNotTaken(const std::vector<std::pair<HotkeyAction, HotkeyWord>>& keys) override;
    void Finish(int result) override;

    const StringTable& m_strings;
    ShellState& m_shell;
    CSpinButtonCtrl m_step;
    CComboBox m_monitor;
    HotkeysDialogModel m_model;
};
