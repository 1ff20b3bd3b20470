#include "utility/pages/vton_page_model.h"

#include "utility/monitor/picture_modes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/settings/settings_keys.h"
#include "utility/ui/user_messages.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::uint32_t kWatchPeriodMs = 100;
constexpr std::uint32_t kAskSaveId = 117;
constexpr std::uint32_t kAskDeleteId = 120;
constexpr std::uint32_t kDeleteFailedId = 121;
constexpr std::uint32_t kAppliedOnlyToId = 196;
// "DefModeName" is read with at most this many bytes.
constexpr std::size_t kDefaultNameCapacity = 260;
// Bit 63 of a mode mask stands for "Not change the mode".
constexpr int kNotChangeBit = 63;

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// The item of `items` whose data is `data`, -1 when none.
int IndexOfData(const std::vector<ModeItem>& items, int data) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].mode == data)
            return static_cast<int>(i);
    }
    return -1;
}

// The item whose text is exactly `text`, -1 when none.
int IndexOfText(const std::vector<ModeItem>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == text)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

VtonPageModel::VtonPageModel(VtonPageView& view, CMonitorStatusAll& monitors, DeviceCtrl& ctrl,
                             ForegroundPort& windows, RegistryPort& registry,
                             const StringTable& strings, const ShellState& shell, TimerPort& timers,
                             bool multiDisplay)
    : m_view(view), m_monitors(monitors), m_registry(registry), m_strings(strings), m_shell(shell),
      m_timers(timers), m_windows(windows), m_multiDisplay(multiDisplay),
      m_applier(ctrl, monitors, windows), m_watcher(windows, monitors, m_applier, registry) {}

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
        AppModeEntry copy = entry;
        copy.stored = true;
        m_applications.push_back(copy);
        m_view.AddApplication(copy.name);
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
    WatchInputs inputs;
    inputs.activate = m_view.Activate();
    inputs.independent = m_view.Independent();
    inputs.pageOnView = m_view.PageOnView();
    inputs.mainShown = m_shell.m_mainShown != 0;
    inputs.table = &m_table;
    const int selected = m_view.SelectedDefault();
    if (selected >= 0 && static_cast<std::size_t>(selected) < m_defaultItems.size())
        inputs.defaultChoice =
            DefaultChoice{m_defaultItems[static_cast<std::size_t>(selected)].mode,
                          m_defaultItems[static_cast<std::size_t>(selected)].name};
    m_watcher.Tick(inputs);
}

void VtonPageModel::Shown(bool shown) {
    if (!shown)
        AskUnsaved();
    m_pageVisible = shown;
}

void VtonPageModel::LoadTable() {
    m_table = LoadAppModeTable(m_registry);
}

void VtonPageModel::AddRunningApplications(const std::string& filter) {
    for (const ForegroundPort::TopWindow& top : m_windows.TopLevelWindows()) {
        if (!top.visible || (filter.empty() && !top.systemMenu))
            continue;
        std::string exeFile;
        if (!m_windows.ProcessFileOf(top.window, exeFile))
            continue;
        const std::string identifier =
            ApplicationIdentifier(exeFile, m_windows.ClassName(top.window));
        if (identifier.empty() || identifier == "RUNDLL32" || identifier == "DIMORADDCCI")
            continue;
        if (!filter.empty() && identifier != filter)
            continue;
        if (FindApplication(identifier) >= 0)
            continue;
        AppModeEntry entry;
        entry.name = identifier;
        m_applications.push_back(entry);
        m_view.AddApplication(identifier);
    }
}

int VtonPageModel::FindApplication(const std::string& name) const {
    for (std::size_t i = 0; i < m_applications.size(); ++i) {
        if (EqualIgnoringCase(m_applications[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

void VtonPageModel::FillModeLists() {
    std::uint64_t mask = 0;
    for (const auto& monitor : m_monitors.monitors)
        mask |= monitor->information.pictureModeMask;
    const std::vector<std::string> dataNames = ListAdjustmentDataNames(m_registry);
    auto modeName = [&](int mode) {
        return m_strings.Load(PictureModes()[static_cast<std::size_t>(mode)].nameId);
    };

    m_modeItems.clear();
    for (int mode = 0; mode <= kLastPictureMode; ++mode) {
        if (mask & (std::uint64_t{1} << mode))
            m_modeItems.push_back({modeName(mode), mode});
    }
    for (const std::string& name : dataNames)
        m_modeItems.push_back({name, kAdjustmentDataMode});
    m_view.SetModeList(m_modeItems);

    // Entries that name adjustment data that is gone: reset in the list, removed from the key.
    std::vector<std::string> dangling;
    char name[kRegistryNameCapacity];
    for (std::uint32_t i = 0; m_registry.EnumSubKey(i, kVtoneKey.data(), name, sizeof name); ++i) {
        std::uint32_t mode = 0;
        std::string dataName;
        if (name[0] == '\0' ||
            !m_registry.ReadDword("Mode", mode, KeyPath(kVtoneKey.data(), name).c_str()) ||
            mode != kAdjustmentDataMode || ReadAppModeName(m_registry, name, dataName))
            continue;
        for (AppModeEntry& entry : m_applications) {
            if (entry.name == name) {
                entry.mode = kNoModeChosen;
                entry.modeName.clear();
            }
        }
        dangling.emplace_back(name);
    }
    for (const std::string& subKey : dangling)
        DeleteAppMode(m_registry, subKey);

    m_defaultItems.clear();
    mask |= std::uint64_t{1} << kNotChangeBit;
    for (int mode = 0; mode <= kNotChangeMode; ++mode) {
        const int bit = mode == kNotChangeMode ? kNotChangeBit : mode;
        if (mask & (std::uint64_t{1} << bit))
            m_defaultItems.push_back({modeName(mode), mode});
    }
    for (const std::string& dataName : dataNames)
        m_defaultItems.push_back({dataName, kAdjustmentDataMode});
    m_view.SetDefaultList(m_defaultItems);

    std::uint32_t stored = kNotChangeMode;
    m_registry.ReadDword("DefMode", stored, kRootKey);
    const auto defaultMode = static_cast<std::int32_t>(stored);
    if (defaultMode > kNotChangeMode || defaultMode < 0) {
        char text[kDefaultNameCapacity + 1] = {};
        if (!m_registry.ReadValue("DefModeName", text, kDefaultNameCapacity, kRootKey)) {
            m_view.SelectDefault(-1);
            return;
        }
        const int index = IndexOfText(m_defaultItems, text);
        if (index >= 0) {
            m_view.SelectDefault(index);
            return;
        }
        m_view.SelectDefault(IndexOfData(m_defaultItems, kNotChangeMode));
        m_registry.WriteDword("DefMode", kNotChangeMode, kRootKey);
        m_registry.DeleteValue("DefModeName", kRootKey);
        return;
    }
    const int index = IndexOfData(m_defaultItems, defaultMode);
    m_view.SelectDefault(index >= 0 ? index : IndexOfData(m_defaultItems, kNotChangeMode));
}

int VtonPageModel::SelectedModeData() const {
    const int index = m_view.SelectedMode();
    if (index < 0 || static_cast<std::size_t>(index) >= m_modeItems.size())
        return -1;
    return m_modeItems[static_cast<std::size_t>(index)].mode;
}

void VtonPageModel::Enable() {
    const bool active = m_view.Activate();
    VtonPageControls controls;
    controls.independent = active && m_multiDisplay;
    controls.lists = active;
    const bool ready = active && m_view.SelectedApplication() >= 0 && SelectedModeData() >= 0;
    controls.registerButton = ready;
    controls.deleteButton = ready;
    m_view.EnableControls(controls);
}

void VtonPageModel::Store(std::size_t index) {
    AppModeEntry& entry = m_applications[index];
    const int selected = m_view.SelectedMode();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_modeItems.size())
        return;
    entry.mode = m_modeItems[static_cast<std::size_t>(selected)].mode;
    entry.modeName = entry.mode == kAdjustmentDataMode
                         ? m_modeItems[static_cast<std::size_t>(selected)].name
                         : std::string();
    StoreAppMode(m_registry, entry);
    entry.stored = true;
    Enable();
}

void VtonPageModel::AskUnsaved() {
    const int index = FindApplication(m_currentApplication);
    if (index < 0 || m_currentApplication.empty())
        return;
    const AppModeEntry& entry = m_applications[static_cast<std::size_t>(index)];
    const int selected = m_view.SelectedMode();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_modeItems.size())
        return;
    const ModeItem& item = m_modeItems[static_cast<std::size_t>(selected)];
    const bool changed = (entry.mode < kNotChangeMode && item.mode != entry.mode) ||
                         (entry.mode == kAdjustmentDataMode && item.name != entry.modeName);
    if (!changed)
        return;
    if (m_view.AskYesNo(Formatted(kAskSaveId, entry.name))) {
        Store(static_cast<std::size_t>(index));
        LoadTable();
    } else {
        m_view.SelectMode(-1);
    }
}

void VtonPageModel::SelectEntryMode(const AppModeEntry& entry) {
    if (entry.mode == kNoModeChosen)
        m_view.SelectMode(-1);
    else if (entry.mode > kLastPictureMode)
        m_view.SelectMode(IndexOfText(m_modeItems, entry.modeName));
    else
        m_view.SelectMode(IndexOfData(m_modeItems, entry.mode));
}

void VtonPageModel::ActivateClicked() {
    m_registry.WriteDword("ModeChange", m_view.Activate() ? 1 : 0, kRootKey);
    Enable();
}

void VtonPageModel::IndependentClicked() {
    m_registry.WriteDword("MonIndepend", m_view.Independent() ? 1 : 0, kRootKey);
}

void VtonPageModel::ApplicationChanged() {
    const int selected = m_view.SelectedApplication();
    if (FindApplication(m_currentApplication) == selected)
        return;
    AskUnsaved();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size()) {
        m_view.SelectMode(-1);
        m_currentApplication.clear();
    } else {
        FillModeLists();
        const AppModeEntry& entry = m_applications[static_cast<std::size_t>(selected)];
        SelectEntryMode(entry);
        m_currentApplication = entry.name;
    }
    ModePicked();
}

void VtonPageModel::ModePicked() {
    Enable();
    const int data = SelectedModeData();
    if (!m_view.Activate() || data < 0)
        return;
    if (data < kNotChangeMode) {
        m_applier.ApplyMode(data, m_view.PageWindow(), !m_view.Independent());
        return;
    }
    ApplySelectedData(m_modeItems[static_cast<std::size_t>(m_view.SelectedMode())].name);
}

// The named adjustment data on every monitor of its model, the user told once that only those
// change.
void VtonPageModel::ApplySelectedData(const std::string& name) {
    AdjustmentRecord record;
    if (!ReadAdjustmentRecord(m_registry, name, record))
        return;
    bool told = false;
    for (auto& monitor : m_monitors.monitors) {
        if (!RecordFitsModel(record, *monitor))
            continue;
        if (!told) {
            m_view.ShowInformation(Formatted(kAppliedOnlyToId, record.modelName));
            told = true;
        }
        m_applier.ApplyRecordAuto(record, *monitor, m_view.PageWindow(), m_view.Independent());
    }
}

void VtonPageModel::DefaultPicked() {
    const int selected = m_view.SelectedDefault();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_defaultItems.size())
        return;
    const ModeItem& item = m_defaultItems[static_cast<std::size_t>(selected)];
    m_registry.WriteDword("DefMode", static_cast<std::uint32_t>(item.mode), kRootKey);
    if (item.mode != kAdjustmentDataMode) {
        m_registry.DeleteValue("DefModeName", kRootKey);
        return;
    }
    m_registry.WriteString("DefModeName", item.name.c_str(),
                           static_cast<std::uint32_t>(item.name.size() + 1), kRootKey);
    AdjustmentRecord record;
    if (!ReadAdjustmentRecord(m_registry, item.name, record))
        return;
    for (const auto& monitor : m_monitors.monitors) {
        if (RecordFitsModel(record, *monitor)) {
            m_view.ShowInformation(Formatted(kAppliedOnlyToId, record.modelName));
            return;
        }
    }
}

void VtonPageModel::Register() {
    const int selected = m_view.SelectedApplication();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size())
        return;
    if (m_view.AskYesNo(
            Formatted(kAskSaveId, m_applications[static_cast<std::size_t>(selected)].name))) {
        Store(static_cast<std::size_t>(selected));
        LoadTable();
    } else {
        m_view.SelectMode(-1);
        Enable();
    }
}

void VtonPageModel::Delete() {
    const int selected = m_view.SelectedApplication();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size())
        return;
    AppModeEntry& entry = m_applications[static_cast<std::size_t>(selected)];
    if (!m_view.AskYesNo(Formatted(kAskDeleteId, entry.name)))
        return;
    entry.modeName.clear();
    entry.mode = kNoModeChosen;
    entry.stored = false;
    m_view.SelectMode(-1);
    Enable();
    if (!DeleteAppMode(m_registry, entry.name))
        m_view.ShowWarning(m_strings.Load(kDeleteFailedId));
    LoadTable();
}

void VtonPageModel::ShowSelected() {
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
    LoadTable();
    FillModeLists();
}

void VtonPageModel::ShowForeground(const std::string& identifier) {
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
