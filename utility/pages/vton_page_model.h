// The Auto Veltone page's behaviour without the window: the application list with each
// application's mode, the mode lists the monitors offer (with the named adjustment data), the
// default for other applications, the two switches, and the foreground watcher it drives every
// 100 ms. The Win32 page turns notifications into calls of this model and shows what it asks
// through VtonPageView.
#pragma once

#include "utility/monitor/display_devices.h"
#include "utility/monitor/gamma_port.h"
#include "utility/monitor/monitor_list.h"
#include "utility/pages/app_mode_table.h"
#include "utility/pages/auto_apply.h"
#include "utility/pages/color_page_model.h"
#include "utility/pages/foreground_watcher.h"
#include "utility/ui/shell_state.h"
#include "utility/ui/string_table.h"
#include "utility/ui/timer_port.h"

#include <optional>
#include <string>
#include <vector>

struct VtonPageControls {
    bool independent = false; // "Allow independent mode switching by screen"
    bool lists = false;       // the application, mode and default lists
    bool registerButton = false;
    bool deleteButton = false;

    bool operator==(const VtonPageControls&) const = default;
};

class VtonPageView {
  public:
    virtual ~VtonPageView() = default;
    virtual void SetActivate(bool checked) = 0;
    virtual bool Activate() = 0;
    virtual void SetIndependent(bool checked) = 0;
    virtual bool Independent() = 0;
    // The application list: items are appended (false when the list is full and the item was
    // not added) and selected by index (-1: none).
    virtual bool AddApplication(const std::string& name) = 0;
    virtual int SelectedApplication() = 0;
    virtual void SelectApplication(int index) = 0;
    virtual void SetModeList(const std::vector<ModeItem>& items) = 0;
    virtual int SelectedMode() = 0;
    virtual void SelectMode(int index) = 0;
    virtual void SetDefaultList(const std::vector<ModeItem>& items) = 0;
    virtual int SelectedDefault() = 0;
    virtual void SelectDefault(int index) = 0;
    virtual void EnableControls(const VtonPageControls& controls) = 0;
    // Yes/No question with an exclamation icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    // The display device name of the monitor that shows the page (the settings window).
    virtual WindowHandle PageWindow() = 0;
    // The Auto Veltone page is the one on view.
    virtual bool PageOnView() = 0;
    // Asks for ShowForeground(identifier) once the current message is handled (the watcher's
    // tick goes on to the monitors first).
    virtual void PostForeground(const std::string& identifier) = 0;
};

// What the page works with; the application object owns all of it.
struct VtonPageDeps {
    CMonitorStatusAll& monitors;
    DeviceCtrl& ctrl;
    ForegroundPort& windows;
    RegistryPort& registry;
    GammaPort& displays; // asked whether the desktop has more than one display
    const StringTable& strings;
    const CodePage& codePage;
    ShellState& shell;
    TimerPort& timers;
};

class VtonPageModel {
  public:
    VtonPageModel(VtonPageView& view, const VtonPageDeps& deps);
    VtonPageModel(const VtonPageModel&) = delete;
    VtonPageModel& operator=(const VtonPageModel&) = delete;

    // The page's window exists: switches, lists, running applications, the watcher's timer.
    void Start();
    void Stop();
    void OnTimer(unsigned id);
    // Hiding asks about an unsaved mode choice first.
    void Shown(bool shown);
    void ActivateClicked();
    void IndependentClicked();
    void ApplicationChanged();
    void ModePicked();
    void DefaultPicked();
    void Register();
    void Delete();
    // The three below change the page's lists. Arriving while a question of the program is open
    // (its message loop dispatches them), they wait for the watcher's next tick after it.
    // WM_PAGE_REFRESH: the selected application's mode for the monitors as they are now.
    void ShowSelected();
    // The monitor list changed: the table and the mode lists anew.
    void MonitorsChanged();
    // The watcher brought application `identifier` forward: the page shows it.
    void ShowForeground(const std::string& identifier);
    // The display configuration changed: whether the desktop has more than one display is asked
    // again when the controls are next enabled.
    void DisplaysChanged() { m_displays.Forget(); }

    const std::vector<AppModeEntry>& Table() const { return m_table; }
    const std::vector<AppModeEntry>& Applications() const { return m_applications; }
    const ForegroundWatcher& Watcher() const { return m_watcher; }

  private:
    // A question or notice in a message box, counted as one of the program's modal loops.
    bool Ask(const std::string& text);
    void Tell(const std::string& text);
    void Warn(const std::string& text);
    void RunDeferred();

    void LoadTable();
    void AddRunningApplications(const std::string& filter);
    bool AddApplication(const std::string& name);
    void FillModeLists();
    std::string ModeName(int mode) const;
    void FillModeList(std::uint64_t mask, const std::vector<std::string>& dataNames);
    void ResetDanglingEntries();
    void FillDefaultList(std::uint64_t mask, const std::vector<std::string>& dataNames);
    void SelectStoredDefault();
    void Enable();
    void Store(std::size_t index, const ModeItem& item);
    // The mode list's selected item; false when none is selected.
    bool SelectedModeItem(ModeItem& item) const;
    void AskUnsaved();
    void SelectEntryMode(const AppModeEntry& entry);
    int FindApplication(const std::string& name) const; // ignoring case, -1 when absent
    int SelectedModeData() const;
    std::string Formatted(std::uint32_t id, const std::string& value) const;
    void ApplySelectedData(const std::string& name);

    VtonPageView& m_view;
    CMonitorStatusAll& m_monitors;
    CRegistry m_registry;
    DisplayLayout m_displays;
    const StringTable& m_strings;
    const CodePage& m_codePage;
    ShellState& m_shell;
    TimerPort& m_timers;
    ForegroundPort& m_windows;
    AutoApplier m_applier;
    ForegroundWatcher m_watcher;

    std::vector<AppModeEntry> m_table;
    std::vector<AppModeEntry> m_applications; // one per application list item
    std::vector<ModeItem> m_modeItems;
    std::vector<ModeItem> m_defaultItems;
    std::string m_currentApplication;
    bool m_pageVisible = false;
    bool m_timer = false;
    // List changes that arrived during a question.
    bool m_deferredMonitorsChanged = false;
    bool m_deferredRefresh = false;
    std::optional<std::string> m_deferredForeground;
};
