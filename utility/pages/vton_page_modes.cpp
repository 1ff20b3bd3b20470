// The Auto Veltone page's mode lists: the modes and adjustment data the monitors offer, the
// default for other applications, and a picked mode applied at once.
#include "utility/pages/vton_page_model.h"

#include "utility/monitor/picture_modes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/vton_page_items.h"
#include "utility/settings/settings_keys.h"

#include <algorithm>

using namespace vton_page;

namespace {

// "DefModeName" is read with at most this many bytes.
constexpr std::size_t kDefaultNameCapacity = 260;
// Bit 63 of a mode mask stands for "Not change the mode".
constexpr int kNotChangeBit = 63;

} // namespace

// The mode lists anew: the modes any monitor offers and the adjustment data for an application,
// the same with "Not change the mode" for the default, and the stored default selected.
void VtonPageModel::FillModeLists() {
    std::uint64_t mask = 0;
    for (const auto& monitor : m_monitors.monitors)
        mask |= monitor->information.pictureModeMask;
    const std::vector<std::string> dataNames = ListAdjustmentDataNames(m_registry);
    FillModeList(mask, dataNames);
    ResetDanglingEntries();
    FillDefaultList(mask | (std::uint64_t{1} << kNotChangeBit), dataNames);
    SelectStoredDefault();
}

std::string VtonPageModel::ModeName(int mode) const {
    return m_strings.Load(PictureModes()[static_cast<std::size_t>(mode)].nameId);
}

void VtonPageModel::FillModeList(std::uint64_t mask, const std::vector<std::string>& dataNames) {
    m_modeItems.clear();
    for (int mode = 0; mode <= kLastPictureMode; ++mode) {
        if (mask & (std::uint64_t{1} << mode))
            m_modeItems.push_back({ModeName(mode), mode});
    }
    for (const std::string& name : dataNames)
        m_modeItems.push_back({name, kAdjustmentDataMode});
    m_view.SetModeList(m_modeItems);
}

// Entries that name adjustment data that is gone: reset in the list, removed from the key.
void VtonPageModel::ResetDanglingEntries() {
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
}

void VtonPageModel::FillDefaultList(std::uint64_t mask, const std::vector<std::string>& dataNames) {
    m_defaultItems.clear();
    for (int mode = 0; mode <= kNotChangeMode; ++mode) {
        const int bit = mode == kNotChangeMode ? kNotChangeBit : mode;
        if (mask & (std::uint64_t{1} << bit))
            m_defaultItems.push_back({ModeName(mode), mode});
    }
    for (const std::string& dataName : dataNames)
        m_defaultItems.push_back({dataName, kAdjustmentDataMode});
    m_view.SetDefaultList(m_defaultItems);
}

// "DefMode", or for adjustment data "DefModeName"; a name whose data is gone falls back to "Not
// change the mode", stored so.
void VtonPageModel::SelectStoredDefault() {
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
    const auto fits = [&](const auto& monitor) { return RecordFitsModel(record, *monitor); };
    if (std::none_of(m_monitors.monitors.begin(), m_monitors.monitors.end(), fits))
        return;
    Tell(Formatted(kAppliedOnlyToId, record.modelName));
    for (std::size_t i = 0; i < m_monitors.monitors.size(); ++i) {
        if (fits(m_monitors.monitors[i]))
            m_applier.ApplyRecordAuto(record, *m_monitors.monitors[i], m_view.PageWindow(),
                                      m_view.Independent());
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
            Tell(Formatted(kAppliedOnlyToId, record.modelName));
            return;
        }
    }
}
