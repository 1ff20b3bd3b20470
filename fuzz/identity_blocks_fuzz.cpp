// The monitor list built from a simulated machine whose description is the input: enumeration,
// capabilities, the vendor page list and the three identity blocks (monitor information, serial
// number, model name) as the monitors answer them, faults and odd lengths included. Checks: every
// listed monitor has a trimmed, non-empty serial number and model name no longer than their
// block reads, its identity key is the two joined, the current monitor is the one with the
// smallest display number, the ownership flag is down afterwards, and the simulated clock shows
// no pause beyond the retry bounds.
#include "fuzz/testing/fuzz_check.h"
#include "sim/sim_system.h"
#include "utility/monitor/monitor_list.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

// The identity texts are read into 18 bytes.
constexpr std::size_t kIdentityCapacity = 18;
// Generous ceiling of the pauses one monitor may cost: the capabilities read (50 attempts of
// 200 ms), the owner claim (5 of 200 ms) and three block reads of at most 30 failed words each
// (a resynchronisation of 100 ms per failure) stay well below it.
constexpr std::uint64_t kPauseCeilingPerMonitorMs = 60'000;

// Monitors with a display number from this one up are never made current.
constexpr std::int32_t kNoCurrentFrom = 65'535;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

void CheckIdentityText(const std::string& text) {
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text.size() <= kIdentityCapacity);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(!IsBlank(text.front()) && !IsBlank(text.back()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    SimSystem system;
    std::string error;
    if (!LoadSimDescription(in, system, error))
        return 0;
    system.trace.SetRecording(false); // the clock alone tells the pauses

    DeviceCtrl ctrl(system.Ports());
    CMonitorStatusAll all;
    RebuildMonitorList(ctrl, all);

    FUZZ_CHECK(!ctrl.HasOwnership());
    FUZZ_CHECK(all.monitors.size() <= system.bus.Count());
    for (const auto& monitor : all.monitors) {
        CheckIdentityText(monitor->serialNumber);
        CheckIdentityText(monitor->modelName);
        FUZZ_CHECK(monitor->identityKey == monitor->serialNumber + monitor->modelName);
    }
    // The current monitor is the first with the smallest display number below 65,535; a list
    // of monitors whose numbers are all higher (absurd device names) has none.
    int first = -1;
    for (std::size_t i = 0; i < all.monitors.size(); ++i) {
        const std::int32_t number = all.monitors[i]->displayNumber;
        if (number < kNoCurrentFrom &&
            (first < 0 || number < all.monitors[static_cast<std::size_t>(first)]->displayNumber))
            first = static_cast<int>(i);
    }
    FUZZ_CHECK(all.currentIndex == first);
    FUZZ_CHECK(all.HasCurrent() == (first >= 0));
    // The calls' own time is whatever the description states; the pauses are ours.
    FUZZ_CHECK(system.clock.Now() - system.clock.SpentMs() <=
               kPauseCeilingPerMonitorMs * (system.bus.Count() + 1));
    return 0;
}
