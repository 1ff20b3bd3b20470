#include "utility/pages/monitor_list_model.h"

#include "utility/pages/monitor_choice.h"

namespace {

constexpr std::size_t kNameColumn = 13;
constexpr std::size_t kModelColumn = 11;
constexpr std::uint32_t kNoteStringId = 180;

// `text` with blanks appended up to `width`; a longer text keeps its length.
std::string PadTo(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace

std::string MonitorListLine(int position, const std::string& name, const CMonitorStatus& monitor) {
    return std::to_string(position + 1) + ")    " + PadTo(name, kNameColumn) + "/  " +
           PadTo(monitor.modelName, kModelColumn) + "/  " + monitor.serialNumber;
}

ScreenPoint MonitorListPlace(int desktopWidth, int desktopHeight, int dialogWidth) {
    return {desktopWidth / 2 - dialogWidth / 2, desktopHeight / 6};
}

MonitorListModel::MonitorListModel(MonitorListView& view, const CMonitorStatusAll& monitors,
                                   const StringTable& strings, ShellState& shell)
    : m_view(view), m_monitors(monitors), m_strings(strings), m_shell(shell) {}

void MonitorListModel::ListMonitors(WindowHandle window, int desktopWidth, int desktopHeight,
                                    int dialogWidth, bool mainTopmost) {
    m_view.Place(MonitorListPlace(desktopWidth, desktopHeight, dialogWidth), mainTopmost);
    for (std::size_t i = 0; i < m_monitors.monitors.size(); ++i) {
        const CMonitorStatus& monitor = *m_monitors.monitors[i];
        m_view.AddLine(
            MonitorListLine(static_cast<int>(i), MonitorName(monitor, m_strings), monitor));
    }
    m_view.SetNote(m_strings.Load(kNoteStringId));
    m_shell.m_hwndMonitorList = window;
}

void MonitorListModel::Close() {
    m_shell.m_monitorListOpen = 0;
    m_view.Finish(0);
}

void MonitorListModel::CloseForRescan() {
    m_view.Finish(0);
}

void MonitorListModel::Destroyed() {
    m_shell.m_hwndMonitorList = nullptr;
}
