// Prints, for the usual monitor operations on the typical simulated monitor, the simulated bus
// time (the program's pauses and the calls' own time, as the description states it) and
// transaction count next to the pauses the monitor protocol mandates; and the time to parse a
// capabilities string.
#include "sim/sim_system.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

struct Machine {
    SimSystem system;
    PhysicalHandle handle = SimBus::HandleOf(0);
    CMonitorStatus state;
    DeviceCtrl ctrl{system.Ports()};
};

void Measure(Machine& m, const char* what, std::uint64_t mandatedMs,
             const std::function<bool()>& operation) {
    m.system.trace.Clear();
    const std::uint64_t start = m.system.clock.Now();
    const bool ok = operation();
    const auto bus = static_cast<unsigned long long>(m.system.clock.Now() - start);
    const auto calls = static_cast<unsigned long long>(m.system.trace.CallMs());
    std::printf("%-44s %-4s bus %5llu ms = pauses %5llu + calls %5llu  transactions %3zu  "
                "mandated pauses %5llu ms\n",
                what, ok ? "ok" : "FAIL", bus,
                static_cast<unsigned long long>(m.system.trace.PausedMs()), calls,
                m.system.trace.Transactions(), static_cast<unsigned long long>(mandatedMs));
}

} // namespace

int main(int argc, char** argv) {
    const std::string file = argc > 1 ? argv[1] : DIMORA_SIM_MONITORS "/typical.txt";
    Machine m;
    std::string error;
    if (!LoadSimDescriptionFile(file, m.system, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    const auto& config = m.system.bus.Monitor(0).Config();
    ParseCapabilities(config.capabilities, m.state.capabilityCodes);
    ParseVendorPages(std::string(config.slots[0].begin(), config.slots[0].end()),
                     m.state.vendorPages);
    m.state.physicalHandle = &m.handle;

    std::printf("Simulated monitor: %s\n", config.name.c_str());
    Measure(m, "take ownership (free register, read back)", 20 + 10 + 20,
            [&] { return m.ctrl.TakeOwnership(m.handle, Retry::Yes); });
    Measure(m, "picture-mode write (page 30 e2)", 20 + 340,
            [&] { return m.ctrl.WriteFeature(m.state, 0x30, 0xE2, 1, PageSelect::Write); });
    Measure(m, "read every colour feature (5 std + 3 vendor)", 5 * 20 + 20 + 3 * 20, [&] {
        std::uint32_t cur = 0, max = 0;
        bool ok = true;
        for (std::uint8_t code : {0x10, 0x12, 0x16, 0x18, 0x1A})
            ok = m.ctrl.ReadFeature(m.state, 0, code, &cur, &max, PageSelect::Write, Retry::Yes) &&
                 ok;
        ok = m.ctrl.ReadFeature(m.state, 0x30, 0xE3, &cur, &max, PageSelect::Write, Retry::Yes) &&
             ok;
        ok =
            m.ctrl.ReadFeature(m.state, 0x30, 0xE4, &cur, &max, PageSelect::Skip, Retry::Yes) && ok;
        return m.ctrl.ReadFeature(m.state, 0x30, 0xE5, &cur, &max, PageSelect::Skip, Retry::Yes) &&
               ok;
    });
    std::uint8_t buffer[18];
    Measure(m, "slot 2 read, 18 bytes (serial number)", 20 + 20 + 20 + 5 * 20,
            [&] { return m.ctrl.ReadBlock(m.state, 2, buffer, sizeof buffer, PageSelect::Write); });
    Measure(m, "slot 3 read, 18 bytes (model name, no select)", 20 + 20 + 5 * 20,
            [&] { return m.ctrl.ReadBlock(m.state, 3, buffer, sizeof buffer, PageSelect::Skip); });
    Measure(m, "release ownership", 10, [&] { return m.ctrl.ReleaseOwnership(m.handle); });

    // Enumeration and the state build of every described monitor, on a fresh copy: what the
    // utility does at start-up before it shows its icon.
    Machine fresh;
    LoadSimDescriptionFile(file, fresh.system, error);
    const std::size_t count = fresh.system.bus.Count();
    std::size_t answering = 0;
    std::uint64_t enumeratePauses = 0;
    std::uint64_t buildPauses = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto& c = fresh.system.bus.Monitor(static_cast<int>(i)).Config();
        // A monitor that answers nothing costs its time-out (a call), no pause.
        if (c.dead)
            continue;
        ++answering;
        auto words = [&](int slot) {
            const std::size_t capacity[] = {65535, 255, 18, 18};
            const std::size_t length = std::min<std::size_t>(
                c.announcedLength[slot].value_or(static_cast<std::uint32_t>(c.slots[slot].size())),
                capacity[slot]);
            return static_cast<std::uint64_t>((length + 3) / 4);
        };
        enumeratePauses += 20 + 20 + 20 + 20 * words(0);
        buildPauses += (20 + 10 + 20) + (20 + 20 + 20 + 20 * words(2)) + (20 + 20 + 20 * words(3)) +
                       (20 + 20 + 20 * words(1)) + 10;
    }
    CMonitorStatusAll all;
    const std::string what =
        "enumerate + state build, " + std::to_string(count) + " monitor" + (count == 1 ? "" : "s");
    Measure(fresh, what.c_str(), enumeratePauses + buildPauses,
            [&] { return RebuildMonitorList(fresh.ctrl, all), all.monitors.size() == answering; });
    std::printf("  (of which vendor page list %llu ms, state build %llu ms mandated)\n",
                static_cast<unsigned long long>(enumeratePauses),
                static_cast<unsigned long long>(buildPauses));

    const int rounds = 20000;
    const auto start = std::chrono::steady_clock::now();
    std::size_t entries = 0;
    for (int i = 0; i < rounds; ++i) {
        CapabilityCodes codes;
        ParseCapabilities(config.capabilities, codes);
        entries += codes.size();
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    std::printf("capabilities parse: %.2f us per string (%zu bytes, %zu entries, %d rounds)\n",
                spent.count() / rounds, config.capabilities.size(), entries / rounds, rounds);
    return 0;
}
