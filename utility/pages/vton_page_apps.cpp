// The Auto Veltone page's application list: stored entries and running applications, the choice
// of an application, Register, Delete and the question about an unsaved choice.
#include "utility/pages/vton_page_model.h"

#include "utility/pages/vton_page_items.h"

#include <algorithm>
#include <cctype>

using namespace vton_page;

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

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
