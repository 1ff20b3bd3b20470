// The Auto Veltone page at large: its start with the two switches, the watcher's timer, showing
// and hiding, the enabled controls, and what it shows after a refresh, a rescan or the watcher.
#include "utility/pages/vton_page_model.h"

#include "utility/pages/vton_page_items.h"
#include "utility/settings/settings_keys.h"
#include "utility/ui/modal_loop.h"
#include "utility/ui/user_messages.h"

#include <utility>

using namespace vton_page;

namespace {

constexpr std::uint32_t kWatchPeriodMs = 100;

} // namespace

VtonPageModel::VtonPageModel(VtonPageView& view, const VtonPageDeps& deps)
    : m_view(view), m_monitors(deps.monitors), m_registry(deps.registry), m_displays(deps.displays),
      m_strings(deps.strings), m_codePage(deps.codePage), m_shell(deps.shell),
      m_timers(deps.timers), m_windows(deps.windows),
      m_applier(deps.ctrl, deps.monitors, deps.windows),
      m_watcher(deps.windows, deps.monitors, m_applier, deps.registry, deps.codePage) {}

void VtonPageModel::Start() {
    std::uint32_t value = 0;
    if (m_registry.ReadDword("ModeChange", value, kRootKey)) {
        m_view.SetActivate(value != 0);
    } else {
        m_view.SetActivate(true);
        m_registry.WriteDword("ModeChange", 1, kRootKey);
    }
    value = 0;
    if (m_registry.ReadDword("MonIndepend", value, kRootKey)) {
        m_view.SetIndependent(value != 0);
    } else {
        m_view.SetIndependent(false);
        m_registry.WriteDword("MonIndepend", 0, kRootKey);
    }
    m_watcher.Reset();
    LoadTable();
    for (const AppModeEntry& entry : m_table) {
        if (!m_view.AddApplication(entry.name))
            continue; // the list is full: the entry is left out
        m_applications.push_back(entry);
        m_applications.back().stored = true;
    }
    AddRunningApplications("");
    // From now on the watcher tells the page which application came forward.
    m_watcher.SetForegroundListener([this](const std::string& id) { m_view.PostForeground(id); });
    FillModeLists();
    m_timer = m_timers.SetTimer(TIMER_FOREGROUND_WATCH, kWatchPeriodMs);
    Enable();
}

void VtonPageModel::Stop() {
    if (m_timer)
        m_timers.KillTimer(TIMER_FOREGROUND_WATCH);
    m_timer = false;
    m_table.clear();
    m_applications.clear();
}

void VtonPageModel::OnTimer(unsigned id) {
    if (id != TIMER_FOREGROUND_WATCH || !m_timer)
        return;
    if (!m_shell.InModalLoop())
        RunDeferred();
    WatchInputs inputs;
    inputs.activate = m_view.Activate();
    // Switched off, the watcher looks at nothing: the other controls need not be asked.
    if (!inputs.activate)
        return;
    inputs.pageOnView = m_view.PageOnView();
    inputs.mainShown = m_shell.m_mainShown != 0;
    inputs.table = &m_table;
    inputs.details = [this](WatchInputs& complete) {
        complete.independent = m_view.Independent();
        const int selected = m_view.SelectedDefault();
        if (selected >= 0 && static_cast<std::size_t>(selected) < m_defaultItems.size())
            complete.defaultChoice =
                DefaultChoice{m_defaultItems[static_cast<std::size_t>(selected)].mode,
                              m_defaultItems[static_cast<std::size_t>(selected)].name};
    };
    m_watcher.Tick(inputs);
}

void VtonPageModel::Shown(bool shown) {
    if (!shown)
        AskUnsaved();
    m_pageVisible = shown;
}

void VtonPageModel::Enable() {
    const bool active = m_view.Activate();
    VtonPageControls controls;
    // Kept until the display configuration changes (a second screen docked, one undocked).
    controls.independent = active && m_displays.IsMultiDisplay();
    controls.lists = active;
    const bool ready = active && m_view.SelectedApplication() >= 0 && SelectedModeData() >= 0;
    controls.registerButton = ready;
    controls.deleteButton = ready;
    m_view.EnableControls(controls);
}

void VtonPageModel::ActivateClicked() {
    m_registry.WriteDword("ModeChange", m_view.Activate() ? 1 : 0, kRootKey);
    Enable();
}

void VtonPageModel::IndependentClicked() {
    m_registry.WriteDword("MonIndepend", m_view.Independent() ? 1 : 0, kRootKey);
}

bool VtonPageModel::Ask(const std::string& text) {
    return RunModal(m_shell, [&] { return m_view.AskYesNo(text); });
}

void VtonPageModel::Tell(const std::string& text) {
    RunModal(m_shell, [&] { m_view.ShowInformation(text); });
}

void VtonPageModel::Warn(const std::string& text) {
    RunModal(m_shell, [&] { m_view.ShowWarning(text); });
}

// What arrived during a question, in the order that leaves the lists right: the lists anew,
// then the selected application, then the one that came forward.
void VtonPageModel::RunDeferred() {
    if (std::exchange(m_deferredMonitorsChanged, false))
        MonitorsChanged();
    if (std::exchange(m_deferredRefresh, false))
        ShowSelected();
    if (auto identifier = std::exchange(m_deferredForeground, std::nullopt))
        ShowForeground(*identifier);
}

void VtonPageModel::ShowSelected() {
    if (m_shell.InModalLoop()) {
        m_deferredRefresh = true;
        return;
    }
    FillModeLists();
    const int selected = m_view.SelectedApplication();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size()) {
        m_view.SelectMode(-1);
        m_currentApplication.clear();
    } else {
        const AppModeEntry& entry = m_applications[static_cast<std::size_t>(selected)];
        SelectEntryMode(entry);
        m_currentApplication = entry.name;
    }
    Enable();
}

void VtonPageModel::MonitorsChanged() {
    if (m_shell.InModalLoop()) {
        m_deferredMonitorsChanged = true;
        return;
    }
    LoadTable();
    FillModeLists();
    Enable();
}

void VtonPageModel::ShowForeground(const std::string& identifier) {
    if (m_shell.InModalLoop()) {
        m_deferredForeground = identifier;
        return;
    }
    int index = FindApplication(identifier);
    if (index < 0) {
        AddRunningApplications(identifier);
        index = FindApplication(identifier);
    }
    m_view.SelectApplication(index);
    if (index < 0) {
        m_view.SelectMode(-1);
        m_currentApplication.clear();
    } else {
        FillModeLists();
        const AppModeEntry& entry = m_applications[static_cast<std::size_t>(index)];
        SelectEntryMode(entry);
        m_currentApplication = entry.name;
    }
    Enable();
}

std::string VtonPageModel::Formatted(std::uint32_t id, const std::string& value) const {
    std::string text = m_strings.Load(id);
    // The question texts carry "%s"; the model notice carries "0" where the model goes.
    const std::string marker = id == kAppliedOnlyToId ? "0" : "%s";
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}
