// The monitor connection list's behaviour without the window: one line per controlled monitor
// (its number, name, model name and serial number in blank-padded columns), where the dialog
// goes on the desktop, and the open-window record the rest of the program reads. The Win32
// dialog shows what the model asks through MonitorListView.
#pragma once

#include "utility/monitor/monitor_list.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"

#include <string>
#include <vector>

// The line of the monitor at 0-based `position` of the list. `name` is the monitor's name as
// the user reads it ("Monitor1-2"); the list box sorts the lines as text.
std::string MonitorListLine(int position, const std::string& name, const CMonitorStatus& monitor);

struct ScreenPoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// The dialog's top-left corner: centred across the desktop, a sixth of its height from the top.
ScreenPoint MonitorListPlace(int desktopWidth, int desktopHeight, int dialogWidth);

class MonitorListView {
  public:
    virtual ~MonitorListView() = default;
    // Moves the dialog to `corner` (its size unchanged), shows it, above every other window
    // when `topmost`.
    virtual void Place(ScreenPoint corner, bool topmost) = 0;
    virtual void AddLine(const std::string& line) = 0;
    virtual void SetNote(const std::string& text) = 0;
    // Ends the dialog with `result`.
    virtual void Finish(int result) = 0;
};

class MonitorListModel {
  public:
    MonitorListModel(MonitorListView& view, const CMonitorStatusAll& monitors,
                     const StringTable& strings, ShellState& shell);
    MonitorListModel(const MonitorListModel&) = delete;
    MonitorListModel& operator=(const MonitorListModel&) = delete;

    // The window exists: it is placed, filled and published for the rescan to close.
    void ListMonitors(WindowHandle window, int desktopWidth, int desktopHeight, int dialogWidth,
                      bool mainTopmost);
    // "&Close", or a display change.
    void Close();
    // A monitor rescan asks the dialog to go.
    void CloseForRescan();
    // The window goes.
    void Destroyed();

  private:
    MonitorListView& m_view;
    const CMonitorStatusAll& m_monitors;
    const StringTable& m_strings;
    ShellState& m_shell;
};
