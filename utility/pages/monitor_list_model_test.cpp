// The monitor connection list: its lines' columns, their order once sorted as text, where the
// dialog goes, and the open-window record.
#include "utility/pages/monitor_list_model.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<CMonitorStatus> Monitor(std::string label, std::string model, std::string serial) {
    auto monitor = std::make_unique<CMonitorStatus>();
    monitor->displayLabel = std::move(label);
    monitor->modelName = std::move(model);
    monitor->serialNumber = std::move(serial);
    return monitor;
}

class RecordingListView : public MonitorListView {
  public:
    void Place(ScreenPoint at, bool top) override {
        corner = at;
        topmost = top;
    }
    void AddLine(const std::string& line) override { lines.push_back(line); }
    void SetNote(const std::string& text) override { note = text; }
    void Finish(int result) override { results.push_back(result); }

    ScreenPoint corner{-1, -1};
    bool topmost = false;
    Lines lines;
    std::string note;
    std::vector<int> results;
};

TEST(MonitorListModel, LinesPadTheNameAndModelColumns) {
    struct Case {
        int position;
        const char* name;
        const char* model;
        const char* line;
    };
    const Case cases[] = {
        {0, "Monitor1", "EX2451", "1)    Monitor1     /  EX2451     /  12345678"},
        {1, "Monitor1-2", "EX-2451W", "2)    Monitor1-2   /  EX-2451W   /  12345678"},
        // Exactly as wide as the columns, and wider: no blank added, nothing cut.
        {9, "Monitor1-1234", "EX-2451W-XL", "10)    Monitor1-1234/  EX-2451W-XL/  12345678"},
        {11, "Monitor12-12345", "EX-2451W-XXL", "12)    Monitor12-12345/  EX-2451W-XXL/  12345678"},
    };
    for (const Case& c : cases) {
        const auto monitor = Monitor("", c.model, "12345678");
        EXPECT_EQ(MonitorListLine(c.position, c.name, *monitor), c.line);
    }
}

TEST(MonitorListModel, ListsEveryMonitorPlacedAndPublishedAndSortsTenAfterOne) {
    CMonitorStatusAll monitors;
    for (int i = 1; i <= 11; ++i)
        monitors.monitors.push_back(Monitor("1-" + std::to_string(i), "EX-2451W", "5100"));
    ShellState shell;
    shell.m_monitorListOpen = 1;
    NumberedStrings strings;
    RecordingListView view;
    MonitorListModel model(view, monitors, strings, shell);
    int window = 0;
    model.ListMonitors(&window, 1600, 1000, 401, true);
    EXPECT_EQ(view.corner, (ScreenPoint{600, 166})) << "800 - 200, 1000 / 6";
    EXPECT_TRUE(view.topmost);
    ASSERT_EQ(view.lines.size(), 11u);
    EXPECT_EQ(view.lines[0], "1)    s1161-1      /  EX-2451W   /  5100") << "in list order";
    EXPECT_EQ(view.note, "s180");
    EXPECT_EQ(shell.m_hwndMonitorList, &window);

    // The sorted list box's order ("10)" right after "1)") is checked on the real list box
    // with the utility's dialogs.

    model.CloseForRescan();
    EXPECT_EQ(shell.m_monitorListOpen, 1) << "the main window clears it after the dialog";
    model.Close();
    EXPECT_EQ(shell.m_monitorListOpen, 0);
    EXPECT_EQ(view.results, (std::vector<int>{0, 0}));
    model.Destroyed();
    EXPECT_EQ(shell.m_hwndMonitorList, nullptr);
}

TEST(MonitorListModel, WithoutMonitorsTheListIsEmptyAndTheNoteShown) {
    CMonitorStatusAll monitors;
    ShellState shell;
    NumberedStrings strings;
    RecordingListView view;
    MonitorListModel model(view, monitors, strings, shell);
    model.ListMonitors(nullptr, 1024, 768, 300, false);
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(view.note, "s180");
    EXPECT_FALSE(view.topmost);
    EXPECT_EQ(view.corner, (ScreenPoint{362, 128}));
}

} // namespace
