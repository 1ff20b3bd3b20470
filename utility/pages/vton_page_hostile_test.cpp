// The Auto Veltone page's start over a registry whose values are hostile: each value the page
// reads (its two switches, the default mode and default data name, an application's mode and
// data name) in turn stored with the wrong type, sizes around its read capacity, huge, without a
// terminator, or absent. The page must start, and a value it cannot read must count as absent:
// the same lists, choices and registry writes as without the value.
#include "sim/testing/sim_machine.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/pages/adjustment_data.h"
#include "utility/pages/testing/fake_windows.h"
#include "utility/pages/vton_page_model.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/hostile_values.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"
#include "utility/ui/testing/fake_timers.h"
#include "utility/ui/testing/numbered_strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Keeps what the page shows; answers no question.
class PlainVtonView : public VtonPageView {
  public:
    void SetActivate(bool checked) override { activate = checked; }
    bool Activate() override { return activate; }
    void SetIndependent(bool checked) override { independent = checked; }
    bool Independent() override { return independent; }
    bool AddApplication(const std::string& name) override {
        applications.push_back(name);
        return true;
    }
    int SelectedApplication() override { return -1; }
    void SelectApplication(int) override {}
    void SetModeList(const std::vector<ModeItem>& items) override { modes = Names(items); }
    int SelectedMode() override { return -1; }
    void SelectMode(int) override {}
    void SetDefaultList(const std::vector<ModeItem>& items) override { defaults = Names(items); }
    int SelectedDefault() override { return defaultIndex; }
    void SelectDefault(int index) override { defaultIndex = index; }
    void EnableControls(const VtonPageControls&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void ShowInformation(const std::string&) override {}
    void ShowWarning(const std::string&) override {}
    WindowHandle PageWindow() override { return FakeWindows::Handle(99); }
    bool PageOnView() override { return true; }
    void PostForeground(const std::string&) override {}

    static std::vector<std::string> Names(const std::vector<ModeItem>& items) {
        std::vector<std::string> names;
        for (const ModeItem& item : items)
            names.push_back(item.name + "=" + std::to_string(item.mode));
        return names;
    }

    bool activate = false, independent = false;
    std::vector<std::string> applications, modes, defaults;
    int defaultIndex = -2;
};

// As the page saves them: both switches on, adjustment data "Evening" as the default, one
// application following that data and one following mode 2.
const std::vector<StoredValue>& Saved() {
    static const std::vector<StoredValue> values = {
        {kRootKey, "ModeChange", kRegistryDword, Le32(1), 4},
        {kRootKey, "MonIndepend", kRegistryDword, Le32(1), 4},
        {kRootKey, "DefMode", kRegistryDword, Le32(255), 4},
        {kRootKey, "DefModeName", kRegistryString, std::string("Evening\0", 8), 260},
        {KeyPath(kVtoneKey.data(), "PLAYER"), "Mode", kRegistryDword, Le32(255), 4},
        {KeyPath(kVtoneKey.data(), "PLAYER"), "ModeName", kRegistryString,
         std::string("Evening\0", 8), 512},
        {KeyPath(kVtoneKey.data(), "EDITOR"), "Mode", kRegistryDword, Le32(2), 4},
    };
    return values;
}

struct Outcome {
    bool activate, independent;
    std::vector<std::string> applications, modes, defaults;
    int defaultIndex;
    std::string registry; // everything stored after the start

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* out) {
    *out << "activate " << o.activate << ", independent " << o.independent << ", default "
         << o.defaultIndex << ", applications";
    for (const auto& name : o.applications)
        *out << " " << name;
    *out << ", defaults";
    for (const auto& name : o.defaults)
        *out << " " << name;
    *out << ", registry " << o.registry.size() << " bytes: " << o.registry.substr(0, 400);
}

// One page over a fresh registry and two monitors of model M-SAME.
class PageStart {
  public:
    PageStart() {
        RebuildMonitorList(sim.ctrl, monitors);
        windows.windows[99] = {"C:\\Dimora\\DimoraDdcci.exe", "DIMORA", "\\\\.\\DISPLAY2"};
    }

    // Stores every saved value but `changed`, which gets `shape` (or is left out), with the
    // data record "Evening", and starts the page.
    Outcome Run(const StoredValue& changed, const Shape& shape) {
        const std::string hostile = shape.absent ? std::string() : shape.bytes(changed);
        CRegistry settings(registry);
        AdjustmentRecord evening;
        evening.modelName = "M-SAME";
        WriteAdjustmentRecord(settings, "Evening", evening);
        for (const StoredValue& v : Saved()) {
            if (&v != &changed)
                Store(v, v.type, &v.bytes);
            else if (shape.absent)
                Store(v, v.type, nullptr); // the key without the value
            else
                Store(v, shape.type ? shape.type : v.type, &hostile);
        }
        model.Start();
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
        // A hostile value the page left alone is not a write: it goes before the comparison.
        if (!shape.absent && Holds(changed, shape.type ? shape.type : changed.type, hostile))
            CRegistry(registry).DeleteValue(changed.name, changed.key.c_str());
        return {view.activate,
                view.independent,
                view.applications,
                view.modes,
                view.defaults,
                view.defaultIndex,
                DumpRegistry(registry, kRootKey)};
    }

  private:
    bool Holds(const StoredValue& v, std::uint32_t type, const std::string& bytes) {
        RegistryKey key = nullptr;
        if (registry.OpenKey(v.key.c_str(), RegistryAccess::Read, key) != kRegistrySuccess)
            return false;
        std::string stored(bytes.size() + 1, '\0');
        std::uint32_t storedType = 0;
        auto size = static_cast<std::uint32_t>(stored.size());
        const bool read =
            registry.QueryValue(key, v.name, &storedType, stored.data(), &size) == kRegistrySuccess;
        registry.CloseKey(key);
        return read && storedType == type && stored.substr(0, size) == bytes;
    }
    void Store(const StoredValue& v, std::uint32_t type, const std::string* bytes) {
        ASSERT_TRUE(StoreValue(registry, v, type, bytes));
    }

    SimMachine sim{SwitchableMonitor("a", 1, 0) + SwitchableMonitor("b", 2, 0)};
    CMonitorStatusAll monitors;
    FakeWindows windows;
    MemoryRegistry registry;
    NumberedStrings strings;
    ShellState shell;
    FakeTimers timers;
    PlainVtonView view;
    FakeGammaPort displays{"\\\\.\\DISPLAY1", "\\\\.\\DISPLAY2"};
    JapaneseCodePage codePage;
    VtonPageModel model{view, VtonPageDeps{monitors, sim.ctrl, windows, registry, displays, strings,
                                           codePage, shell, timers}};
};

TEST(VtonPageHostile, StartsWithEveryValueInEveryShapeAndTakesTheUnreadableAsAbsent) {
    {
        // The saved values as a baseline (a 4-byte number read whatever its type).
        PageStart saved;
        const Outcome o = saved.Run(Saved()[0], kShapes[1]);
        EXPECT_TRUE(o.activate && o.independent);
        EXPECT_EQ(o.applications, (std::vector<std::string>{"EDITOR", "PLAYER"}));
        ASSERT_GE(o.defaultIndex, 0);
        EXPECT_EQ(o.defaults[static_cast<std::size_t>(o.defaultIndex)], "Evening=255");
    }
    for (const StoredValue& value : Saved()) {
        PageStart withoutValue;
        const Outcome absent = withoutValue.Run(value, kShapes[0]);
        int unreadable = 0;
        for (const Shape& shape : kShapes) {
            SCOPED_TRACE(std::string(value.name) + " in " + value.key + ": " + shape.what);
            PageStart page;
            const Outcome outcome = page.Run(value, shape);
            if (!shape.absent && shape.bytes(value).size() > value.capacity) {
                EXPECT_EQ(outcome, absent) << "an unreadable value counts as absent";
                ++unreadable;
            }
            EXPECT_LT(outcome.defaultIndex, static_cast<int>(outcome.defaults.size()));
        }
        EXPECT_GT(unreadable, 0) << value.name << ": no shape was too long to read";
    }
}

} // namespace
