// The program's start-up over a registry whose values are hostile: for every value the main
// window, the EyeCare reminder and the screen filter read at start-up, each in turn stored with
// the wrong type, sizes around its read capacity, huge, without a terminator, or absent. The
// start-up must run, a value it cannot read must count as absent, what it reads must stay in
// range, and it must write nothing.
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/hostile_values.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/shell/testing/main_window_harness.h"
#include "utility/ui/user_messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

// Everything start-up reads, as the program saves it: a monitor of typical.txt with its
// reminder on, a user's picture as the filter, and the main window not kept on top.
const std::vector<StoredValue>& Saved() {
    static const std::vector<StoredValue> values = {
        {kRootKey, "NoTopmost", kRegistryDword, Le32(1), 4},
        {kEyeCareKey.data(), "Display Name", kRegistryString, std::string("1-1\0", 4), 256},
        {kEyeCareKey.data(), "Model Name", kRegistryString, std::string("EX-2451W\0", 9), 256},
        {kEyeCareKey.data(), "Serial Num", kRegistryString, std::string("41234567\0", 9), 256},
        {kReminderKey.data(), "On", kRegistryBinary, "\x01", 256},
        {kReminderKey.data(), "Hour", kRegistryBinary, "\x02", 256},
        {kReminderKey.data(), "Message", kRegistryString, std::string("Tea\0", 4), 256},
        {kVSFilterKey.data(), "On", kRegistryBinary, "\x01", 4},
        {kVSFilterKey.data(), "FileType", kRegistryDword, Le32(2), 4},
        {kVSFilterKey.data(), "FilePath", kRegistryString, std::string("C:\\a.bmp\0", 9), 260},
        {kVSFilterKey.data(), "Alpha", kRegistryDword, Le32(64), 4},
        {kVSFilterKey.data(), "Luminance", kRegistryBinary, Le32(static_cast<std::uint32_t>(-20)),
         4},
    };
    return values;
}

// What start-up made of the stored values.
struct Outcome {
    std::vector<std::string> view;
    int filterOn;
    int fileType;
    std::string filePath;
    int alpha;
    int luminance;
    std::map<unsigned, std::uint32_t> timers;

    bool operator==(const Outcome&) const = default;
};

// One program over a fresh registry.
class Startup : public MainWindowHarness {
  public:
    using MainWindowHarness::registry;
    using MainWindowHarness::timers;

    void TestBody() override {}

    // Stores every saved value but `changed`, which gets `shape` (or is left out); runs the
    // start-up steps that read the registry, in the program's order.
    Outcome Run(const StoredValue& changed, const Shape& shape) {
        for (const StoredValue& v : Saved()) {
            if (&v != &changed)
                Store(v, v.type, v.bytes);
            else if (!shape.absent)
                Store(v, shape.type ? shape.type : v.type, shape.bytes(v));
        }
        overlays.pictures["C:\\a.bmp"] = {64, 64};
        before = DumpRegistry(registry, kRootKey);
        Model().Start();
        Model().ApplyStoredTopmost();
        Model().SetUpFilter();
        Model().StartReminder();
        const FilterSettings& f = filterSettings;
        return {view.Take(), f.on, f.fileType, f.filePath, f.alpha, f.luminance, timers.running};
    }

    std::string before;

  private:
    void Store(const StoredValue& v, std::uint32_t type, const std::string& bytes) {
        ASSERT_TRUE(StoreValue(registry, v, type, &bytes));
    }
};

TEST(MainWindowHostile, StartsWithEveryValueInEveryShapeAndWritesNothing) {
    {
        // The saved values as a baseline (a 4-byte number read whatever its type).
        Startup saved;
        const Outcome o = saved.Run(Saved()[0], kShapes[1]);
        EXPECT_TRUE(o.view.empty()) << "not kept on top";
        EXPECT_EQ(o.filterOn, 1);
        EXPECT_EQ(o.filePath, "C:\\a.bmp");
        EXPECT_EQ(o.alpha, 64);
        EXPECT_EQ(o.luminance, -20);
        EXPECT_EQ(o.timers.at(TIMER_REMINDER), 2u * 3'600'000);
    }
    int runs = 0;
    for (const StoredValue& value : Saved()) {
        Startup withoutValue;
        const Outcome absent = withoutValue.Run(value, kShapes[0]);
        for (const Shape& shape : kShapes) {
            SCOPED_TRACE(std::string(value.name) + " in " + value.key + ": " + shape.what);
            Startup program;
            const Outcome outcome = program.Run(value, shape);
            ++runs;
            EXPECT_EQ(DumpRegistry(program.registry, kRootKey), program.before)
                << "start-up wrote to the registry";
            EXPECT_EQ(program.registry.OpenHandleCount(), 0u);
            if (!shape.absent && shape.bytes(value).size() > value.capacity) {
                EXPECT_EQ(outcome, absent) << "an unreadable value counts as absent";
            }
            EXPECT_LE(outcome.filePath.size(), kFilterPathMax);
            EXPECT_EQ(outcome.filePath.find('\0'), std::string::npos);
            if (program.timers.Runs(TIMER_REMINDER)) {
                const std::uint32_t hours = program.timers.running.at(TIMER_REMINDER) / 3'600'000;
                EXPECT_GE(hours, 1u);
                EXPECT_LE(hours, 24u);
            }
        }
    }
    EXPECT_EQ(runs, static_cast<int>(Saved().size() * std::size(kShapes)));
}

} // namespace
