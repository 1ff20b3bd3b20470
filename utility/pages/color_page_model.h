// The colour page's behaviour without the window: the monitor choice, the picture-mode list and
// the mode switch, the colour adjustment dialog's opening and closing, the named adjustment data
// (register, delete, restore) and which controls are usable. The Win32 page turns notifications
// into calls of this model and shows what it asks through ColorPageView.
#pragma once

#include "utility/monitor/current_monitor.h"
#include "utility/monitor/monitor_color.h"
#include "utility/settings/registry.h"
#include "utility/text/code_page.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"

#include <cstdint>
#include <string>
#include <vector>

// The controls the model switches on and off (the monitor selector is always usable).
struct ColorPageControls {
    bool modeList = false;
    bool dataName = false;
    bool colorButton = false;
    bool registerButton = false;
    bool deleteButton = false;
    bool restoreButton = false;

    bool operator==(const ColorPageControls&) const = default;
};

// One entry of the mode list: its text and its mode number (the item data).
struct ModeItem {
    std::string name;
    int mode = 0;

    bool operator==(const ModeItem&) const = default;
};

// The data-name box as the user left it.
struct DataNameBox {
    std::string text;
    int selected = -1; // the selected list item, -1 for none
};

class ColorPageView {
  public:
    virtual ~ColorPageView() = default;
    // Fills the monitor selector and selects entry `selected` (-1: none).
    virtual void SetMonitorList(const std::vector<std::string>& entries, int selected) = 0;
    virtual void SetModeList(const std::vector<ModeItem>& modes) = 0;
    virtual void SelectModeItem(int index) = 0;
    virtual void SetDataNameList(const std::vector<std::string>& names) = 0;
    virtual DataNameBox ReadDataName() = 0;
    // Puts `text` into the data-name box with the caret at `caret` (-1: leave the caret alone)
    // and no list item selected when the text is empty.
    virtual void WriteDataName(const std::string& text, int caret) = 0;
    virtual void EnableControls(const ColorPageControls& controls) = 0;
    // Message box with string `id`, exclamation icon, OK.
    virtual void ShowWarning(std::uint32_t id) = 0;
    // Asks the main window to make monitor `index` current (it answers before this returns).
    virtual void SelectMonitor(int index) = 0;
    // Asks whether the named data is to be deleted (string 195, OK and Cancel).
    virtual bool ConfirmDelete() = 0;
    // Gives the focus to the main window's "&Close" button.
    virtual void FocusMainClose() = 0;
    // Gives the focus to the page's "C&olor..." button.
    virtual void FocusColorButton() = 0;
    // The main window steps aside while the colour adjustment dialog runs (hide, minimise, show)
    // and comes back afterwards (hide, restore, show, its z-order, the foreground).
    virtual void StepAsideForAdjustment() = 0;
    virtual void ComeBackAfterAdjustment() = 0;
    // Runs the colour adjustment dialog modally on the shared colour snapshot.
    virtual void RunColorDialog() = 0;
};

inline constexpr std::size_t kDataNameMax = 32;

class ColorPageModel {
  public:
    ColorPageModel(ColorPageView& view, CurrentMonitor& monitor, CMonitorStatusAll& monitors,
                   RegistryPort& registry, const StringTable& strings, const CodePage& codePage,
                   CMonitorColor& snapshot, ShellState& shell);
    ColorPageModel(const ColorPageModel&) = delete;
    ColorPageModel& operator=(const ColorPageModel&) = delete;

    // Everything anew for the current monitor: each time the page is shown, and when the
    // current monitor follows the main window.
    void Refresh();
    // The user picked the mode at `index` of the mode list.
    void ModeChanged(int index);
    // The user picked the monitor at `index` of the monitor selector.
    void MonitorChanged(int index);
    // The user picked a stored name from the data-name list.
    void DataNameSelected(int index);
    // The user typed into the data-name box.
    void DataNameEdited();
    // The data-name list drops down: it is filled anew.
    void DataNameDroppedDown() { FillDataNames(); }
    // "C&olor...": the colour adjustment dialog, the rescan held off meanwhile.
    void OpenColorDialog();
    // "&Register", "&Delete", "R&estore": the named adjustment data.
    void Register();
    void Delete();
    // True when the monitor permitted the adjustment and took every write.
    bool Restore();

    bool Enabled() const { return m_enabled; }
    const ColorPageControls& Controls() const { return m_controls; }

  private:
    // Message boxes and the colour adjustment dialog, each counted as a modal loop.
    void Warn(std::uint32_t id);
    bool ConfirmDelete();
    void FillMonitors();
    void FillModes();
    void FillDataNames();
    void SelectCurrentMode(PageSelect pageSelect);
    void EnableByPermission();
    void Enable();
    void Disable();
    // The members from the box (the dialog data exchange's "save").
    void ReadMembers();

    ColorPageView& m_view;
    CurrentMonitor& m_monitor;
    CMonitorStatusAll& m_monitors;
    CRegistry m_registry;
    const StringTable& m_strings;
    const CodePage& m_codePage;
    CMonitorColor& m_snapshot;
    ShellState& m_shell;

    std::vector<int> m_modes; // mode number of each list item
    std::vector<std::string> m_dataNames;
    std::string m_dataName;
    DataNameBox m_box;
    int m_lastModeIndex = -1;
    bool m_enabled = true;
    ColorPageControls m_controls;
};
