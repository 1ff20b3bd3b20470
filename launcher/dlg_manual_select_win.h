// CDlgManualSelect: the small modal dialog that asks which model's file, or which language's
// manual, to open. Three layouts from one class: a model list with OK, a model list with
// language buttons, language buttons alone. Its rules are ManualSelection's.
#pragma once

#include "framework/button_win.h"
#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "launcher/item_actions_win.h"
#include "launcher/manual_selection.h"

#include <array>
#include <string>

class CDlgManualSelect : public CDialog {
  public:
    // The dialog's results: a file was chosen, or not.
    static constexpr INT_PTR kChosen = 1;
    static constexpr INT_PTR kNotChosen = 0;

    // `item` and `context` outlive the dialog.
    CDlgManualSelect(const ItemInfo& item, SelectionLayout layout, const LaunchContext& context);

    // After kChosen: the launcher's folder followed by the chosen file.
    const std::wstring& ChosenPath() const { return m_chosenPath; }

    bool PreTranslateMessage(MSG& msg) override;

  protected:
    bool OnInitDialog() override;
    // Enter and Escape: Enter only means OK where there is an OK button; without one (the
    // language layouts) it must not end the dialog as if a file had been chosen.
    void OnOK() override;
    void OnCancel() override { EndDialog(kNotChosen); }
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void UpdateLanguageButtons();
    void Choose(const std::optional<std::wstring>& path);
    int Selection() const;

    ManualSelection m_selection;
    int& m_selectionDialogOpen;
    CComboBox m_models;
    std::array<CButton, kManualLanguageCount> m_languages;
    std::wstring m_chosenPath;
    ScopedBrush m_brush;
};
