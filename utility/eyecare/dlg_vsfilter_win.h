// CDlgVSFilter, the "EyeCare Filter" dialog: a default picture, the user's own picture file or
// none, its transmittance and a luminance offset, each change previewed at once on every
// overlay and display. OK stores and applies; Cancel, the system close and a display change put
// back what was applied. Its behaviour lives in VSFilterModel; the dialog moves data between its
// controls and the model.
#pragma once

#include "framework/combo_box_win.h"
#include "framework/dialog_win.h"
#include "framework/edit_win.h"
#include "framework/handles_win.h"
#include "framework/slider_win.h"
#include "utility/eyecare/vsfilter_model.h"
#include "utility/ui/shell_state.h"

#include <optional>

// DoModal's results when the dialog was ended for a rescan or by a display change.
inline constexpr INT_PTR kFilterClosedForRescan = 255;
inline constexpr INT_PTR kFilterClosedByDisplayChange = 0;

class CDlgVSFilter : public CDialog, private VSFilterView {
  public:
    // Sets `shell.m_hwndFilterDialog` while its window exists; clears it and
    // `shell.m_filterDialogOpen` when the window goes.
    CDlgVSFilter(RegistryPort& registry, const VSFilterSources& sources, FilterSettings& applied,
                 ScreenFilter& filter, ShellState& shell);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

  private:
    void OnHScroll(UINT code, HWND control);
    // Ends the dialog for a rescan or a display change, putting back what was applied. Asked
    // while the dialog's own file dialog or message box is open, it waits until the handler that
    // opened it is done, since that handler goes on with the filter it previews. A loop opened
    // over the dialog by someone else (the notification menu) does not hold it.
    void EndPuttingBack(INT_PTR result);
    // Ends the dialog and forgets an end asked for meanwhile: this is that end.
    void Finish(INT_PTR result);
    // Runs `dialog` (the file dialog or a message box) as one of this dialog's own loops.
    template <typename Dialog> auto RunOwnLoop(Dialog&& dialog);

    // VSFilterView.
    void SetImageList(const std::vector<std::string>& lines, int selected) override;
    void SelectImage(int index) override;
    void SetPathText(const std::string& path) override;
    void ShowValues(int percent, int luminance) override;
    void Enable(const FilterEnabling& enabling) override;
    bool BrowseFile(const std::string& defaultExtension, const std::string& filter,
                    std::string& path) override;
    void ShowWarning(const std::string& text) override;

    ShellState& m_shell;
    CComboBox m_images;
    CEdit m_path;
    CSliderCtrl m_alpha;
    CSliderCtrl m_luminance;
    ScopedBrush m_brush;
    SIZE m_pattern{0, 0};
    int m_ownLoops = 0; // this dialog's own file dialog and message boxes now open
    std::optional<INT_PTR> m_pendingEnd;
    VSFilterModel m_model;
};
