// The Auto Veltone page's application list: stored entries and running applications, the choice
// of an application, Register, Delete and the question about an unsaved choice.
#include "utility/pages/vton_page_model.h"

#include "utility/pages/application_window.h"
#include "utility/pages/vton_page_items.h"
#include "utility/text/text_case.h"

using namespace vton_page;

void VtonPageModel::LoadTable() {
    m_table = LoadAppModeTable(m_registry);
}

void VtonPageModel::AddRunningApplications(const std::string& filter) {
    for (const ForegroundPort::TopWindow& top : m_windows.TopLevelWindows()) {
        if (!top.visible || (filter.empty() && !top.systemMenu))
            continue;
        if (top.exeFile.empty())
            continue;
        std::string className = m_windows.ClassName(top.window);
        std::string exeFile = top.exeFile;
        const WindowHandle application = ApplicationWindow(m_windows, top.window, className);
        if (!application)
            continue; // a packaged application's frame without its application
        if (application != top.window) {
            // A packaged application is listed by its own process, looked up for it alone: the
            // list's snapshot names the frame's.
            className = m_windows.ClassName(application);
            if (!m_windows.ProcessFileOf(application, exeFile))
                continue;
        }
        const std::string identifier = ApplicationIdentifier(exeFile, className, m_codePage);
        if (identifier.empty() || identifier == "RUNDLL32" || identifier == "DIMORADDCCI")
            continue;
        if (!filter.empty() && identifier != filter)
            continue;
        if (FindApplication(identifier) < 0)
            AddApplication(identifier);
    }
}

// The model's list keeps in step with the control's: an entry the full control refused is left
// out of both.
bool VtonPageModel::AddApplication(const std::string& name) {
    if (!m_view.AddApplication(name))
        return false;
    AppModeEntry entry;
    entry.name = name;
    m_applications.push_back(entry);
    return true;
}

int VtonPageModel::FindApplication(const std::string& name) const {
    for (std::size_t i = 0; i < m_applications.size(); ++i) {
        if (EqualIgnoringCase(m_applications[i].name, name, m_codePage))
            return static_cast<int>(i);
    }
    return -1;
}

bool VtonPageModel::SelectedModeItem(ModeItem& item) const {
    const int selected = m_view.SelectedMode();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_modeItems.size())
        return false;
    item = m_modeItems[static_cast<std::size_t>(selected)];
    return true;
}

void VtonPageModel::Store(std::size_t index, const ModeItem& item) {
    AppModeEntry& entry = m_applications[index];
    entry.mode = item.mode;
    entry.modeName = item.mode == kAdjustmentDataMode ? item.name : std::string();
    StoreAppMode(m_registry, entry);
    entry.stored = true;
    Enable();
}

// Asked when the user leaves an application whose mode choice differs from what is stored. The
// application and the choice are taken before the question: they are what Yes stores.
void VtonPageModel::AskUnsaved() {
    const int index = FindApplication(m_currentApplication);
    ModeItem item;
    if (index < 0 || m_currentApplication.empty() || !SelectedModeItem(item))
        return;
    const AppModeEntry entry = m_applications[static_cast<std::size_t>(index)];
    const bool changed = (entry.mode < kNotChangeMode && item.mode != entry.mode) ||
                         (entry.mode == kAdjustmentDataMode && item.name != entry.modeName);
    if (!changed)
        return;
    if (Ask(Formatted(kAskSaveId, entry.name))) {
        Store(static_cast<std::size_t>(index), item);
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

void VtonPageModel::Register() {
    const int selected = m_view.SelectedApplication();
    ModeItem item;
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size() ||
        !SelectedModeItem(item))
        return;
    const std::string name = m_applications[static_cast<std::size_t>(selected)].name;
    if (Ask(Formatted(kAskSaveId, name))) {
        Store(static_cast<std::size_t>(selected), item);
        LoadTable();
    } else {
        m_view.SelectMode(-1);
        Enable();
    }
}

// The entry is held by its index across the question: the list does not change while a
// question is open.
void VtonPageModel::Delete() {
    const int selected = m_view.SelectedApplication();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_applications.size())
        return;
    const auto index = static_cast<std::size_t>(selected);
    if (!Ask(Formatted(kAskDeleteId, m_applications[index].name)))
        return;
    AppModeEntry& entry = m_applications[index];
    entry.modeName.clear();
    entry.mode = kNoModeChosen;
    entry.stored = false;
    m_view.SelectMode(-1);
    Enable();
    if (!DeleteAppMode(m_registry, entry.name))
        Warn(m_strings.Load(kDeleteFailedId));
    LoadTable();
}
