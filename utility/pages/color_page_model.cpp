#include "utility/pages/color_page_model.h"

#include "utility/monitor/picture_modes.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/monitor_choice.h"
#include "utility/settings/settings_keys.h"
#include "utility/text/text_case.h"
#include "utility/ui/modal_loop.h"

#include <algorithm>

namespace {

constexpr int kLastMonitorMode = 36;
constexpr std::uint32_t kNameTooLongId = 246;
constexpr std::uint32_t kOtherModelId = 181;
constexpr std::uint32_t kDataUnreadableId = 260;
constexpr std::uint32_t kDataNotSavedId = 261;
// The monitor needs a moment after becoming current, and again after the page's reads.
constexpr std::uint32_t kMonitorSettleMs = 500;
constexpr std::uint32_t kAfterMonitorChangeMs = 100;

} // namespace

ColorPageModel::ColorPageModel(ColorPageView& view, CurrentMonitor& monitor,
                               CMonitorStatusAll& monitors, RegistryPort& registry,
                               const StringTable& strings, const CodePage& codePage,
                               CMonitorColor& snapshot, ShellState& shell)
    : m_view(view), m_monitor(monitor), m_monitors(monitors), m_registry(registry),
      m_strings(strings), m_codePage(codePage), m_snapshot(snapshot), m_shell(shell) {}

void ColorPageModel::Warn(std::uint32_t id) {
    RunModal(m_shell, [&] { m_view.ShowWarning(id); });
}

bool ColorPageModel::ConfirmDelete() {
    return RunModal(m_shell, [&] { return m_view.ConfirmDelete(); });
}

void ColorPageModel::Refresh() {
    FillMonitors();
    FillModes();
    FillDataNames();
    m_monitor.TakeOwnership(Retry::Yes);
    SelectCurrentMode(PageSelect::Write);
    EnableByPermission();
    m_monitor.ReleaseOwnership();
    m_view.WriteDataName(m_dataName, -1);
}

void ColorPageModel::FillMonitors() {
    const MonitorChoice choice = MonitorSelectorEntries(m_monitors, m_strings);
    m_view.SetMonitorList(choice.entries, choice.selected);
}

void ColorPageModel::FillModes() {
    m_modes.clear();
    // A remembered index would name another mode on another monitor.
    m_lastModeIndex = -1;
    std::vector<ModeItem> items;
    const std::uint64_t mask = m_monitor.Status().information.pictureModeMask;
    for (int mode = 0; mode <= kLastMonitorMode; ++mode) {
        if (!(mask & (std::uint64_t{1} << mode)))
            continue;
        m_modes.push_back(mode);
        items.push_back(
            {m_strings.Load(PictureModes()[static_cast<std::size_t>(mode)].nameId), mode});
    }
    m_view.SetModeList(items);
    m_view.WriteDataName(m_dataName, -1);
}

void ColorPageModel::FillDataNames() {
    m_dataNames = ListAdjustmentDataNames(m_registry);
    m_view.SetDataNameList(m_dataNames);
    m_dataName.clear();
    m_box = DataNameBox{};
    m_controls.restoreButton = m_controls.registerButton = m_controls.deleteButton = false;
    m_view.EnableControls(m_controls);
    m_view.WriteDataName(m_dataName, -1);
}

void ColorPageModel::SelectCurrentMode(PageSelect pageSelect) {
    std::uint32_t current = 0;
    std::uint32_t maximum = 0;
    const bool read =
        m_monitor.ReadFeature(kColorPage, kModeCode, &current, &maximum, pageSelect, Retry::Yes);
    m_snapshot.modeRead = read ? 1 : 0;
    m_snapshot.modeCurrent = static_cast<std::int32_t>(current);
    m_snapshot.modeMaximum = static_cast<std::int32_t>(maximum);
    if (read) {
        const auto found = std::find(m_modes.begin(), m_modes.end(), static_cast<int>(current));
        if (found != m_modes.end()) {
            m_lastModeIndex = static_cast<int>(found - m_modes.begin());
            m_view.SelectModeItem(m_lastModeIndex);
        }
    }
    m_view.WriteDataName(m_dataName, -1);
}

void ColorPageModel::ModeChanged(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_modes.size())
        return;
    const int mode = m_modes[static_cast<std::size_t>(index)];
    m_monitor.TakeOwnership(Retry::Yes);
    if (m_monitor.WriteFeature(kColorPage, kModeCode, static_cast<std::uint32_t>(mode),
                               PageSelect::Write)) {
        m_lastModeIndex = index;
        SelectCurrentMode(PageSelect::Skip);
        Enable();
    } else {
        // The monitor kept its mode: the list shows it again.
        m_view.SelectModeItem(m_lastModeIndex);
    }
    EnableByPermission();
    m_monitor.ReleaseOwnership();
}

void ColorPageModel::MonitorChanged(int index) {
    m_view.SelectMonitor(index);
    m_monitor.Wait(kMonitorSettleMs);
    m_monitor.TakeOwnership(Retry::Yes);
    FillModes();
    FillDataNames();
    SelectCurrentMode(PageSelect::Write);
    EnableByPermission();
    m_monitor.ReleaseOwnership();
    m_monitor.Wait(kAfterMonitorChangeMs);
}

void ColorPageModel::DataNameSelected(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_dataNames.size()) {
        m_dataName = m_dataNames[static_cast<std::size_t>(index)];
        m_view.WriteDataName(m_dataName, -1);
    }
    Enable();
}

void ColorPageModel::DataNameEdited() {
    const DataNameBox box = m_view.ReadDataName();
    if (box.text.size() > kDataNameMax) {
        Warn(kNameTooLongId);
        // The text before this change, as the members last took it from the box, never cut
        // inside a double-byte character.
        const std::string kept = CutToWholeCharacters(m_dataName, kDataNameMax, m_codePage);
        m_view.WriteDataName(kept, static_cast<int>(kept.size()));
    }
    Enable();
}

void ColorPageModel::ReadMembers() {
    m_box = m_view.ReadDataName();
    m_dataName = m_box.text;
}

void ColorPageModel::EnableByPermission() {
    if (m_monitor.IsAdjustmentPermitted())
        Enable();
    else
        Disable();
}

void ColorPageModel::Enable() {
    ReadMembers();
    m_controls.modeList = true;
    m_controls.dataName = true;
    if (m_monitor.Exists()) {
        const bool named = !m_dataName.empty();
        const bool stored =
            named ? std::any_of(m_dataNames.begin(), m_dataNames.end(),
                                [&](const std::string& n) {
                                    return EqualIgnoringCase(n, m_dataName, m_codePage);
                                })
                  : m_box.selected >= 0;
        m_controls.colorButton = true;
        m_controls.registerButton = m_box.selected >= 0 || named;
        m_controls.deleteButton = stored;
        m_controls.restoreButton = stored;
    }
    m_enabled = true;
    m_view.EnableControls(m_controls);
}

void ColorPageModel::Disable() {
    m_controls = ColorPageControls{};
    m_enabled = false;
    m_view.EnableControls(m_controls);
}

void ColorPageModel::OpenColorDialog() {
    m_view.StepAsideForAdjustment();
    m_monitors.adjustmentBusy = 1;
    RunModal(m_shell, [&] { m_view.RunColorDialog(); });
    if (m_snapshot.modeRead) {
        m_monitor.TakeOwnership(Retry::Yes);
        SelectCurrentMode(PageSelect::Write);
        EnableByPermission();
        m_monitor.ReleaseOwnership();
    }
    // The window closed meanwhile (another program's close hides it) stays hidden: shown again
    // it would be on the screen while the program takes it for hidden, and the watcher would
    // switch modes under the user's adjustments.
    if (m_shell.m_mainShown)
        m_view.ComeBackAfterAdjustment();
    m_monitors.adjustmentBusy = 0;
    m_view.FocusColorButton();
}

void ColorPageModel::Register() {
    ReadMembers();
    if (!m_monitor.Exists())
        return;
    AdjustmentRecord record;
    m_monitor.TakeOwnership(Retry::Yes);
    if (!m_dataName.empty())
        record = CaptureAdjustmentRecord(m_monitor.Device(), m_monitor.Status());
    // Existing data of the same name is replaced without asking.
    const bool permitted = m_monitor.IsAdjustmentPermitted() && !m_dataName.empty();
    const bool written = permitted && WriteAdjustmentRecord(m_registry, m_dataName, record);
    m_monitor.ReleaseOwnership();
    if (permitted && !written) {
        // The registry refused the record: the user hears of it, and the page stays as it was.
        Warn(kDataNotSavedId);
        return;
    }
    FillDataNames();
    if (written)
        Enable();
    else
        Disable();
    m_view.FocusMainClose();
}

void ColorPageModel::Delete() {
    ReadMembers();
    if (!ConfirmDelete())
        return;
    DeleteAdjustmentData(m_registry, m_dataName);
    FillDataNames();
    Enable();
    m_view.FocusMainClose();
}

bool ColorPageModel::Restore() {
    ReadMembers();
    AdjustmentRecord record;
    const bool read = ReadAdjustmentRecord(m_registry, m_dataName, record);
    if (!m_monitor.Exists())
        return false;
    // A record that is gone or damaged is said to be so; nothing goes to the monitor.
    if (!read) {
        Warn(kDataUnreadableId);
        return false;
    }
    // Data restores to any monitor of the model it was taken from.
    if (!RecordFitsModel(record, m_monitor.Status())) {
        Warn(kOtherModelId);
        return false;
    }
    m_monitor.TakeOwnership(Retry::Yes);
    // The same permission check as every other write; then the monitor's store command.
    bool taken = m_monitor.IsAdjustmentPermitted();
    if (taken) {
        taken = ApplyRecord(m_monitor.Device(), m_monitor.Status(), record);
        taken &= m_monitor.WriteFeature(kCommandPage, kStoreCode, 0, PageSelect::Write);
    }
    FillModes();
    SelectCurrentMode(PageSelect::Write);
    EnableByPermission();
    m_monitor.ReleaseOwnership();
    return taken;
}
