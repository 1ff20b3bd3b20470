// Test support: a machine of simulated monitors with everything a command works with, as the
// command runner's and the shortcut keys' tests drive it.
#pragma once

#include "sim/sim_clock.h"
#include "sim/testing/sim_machine.h"
#include "utility/command/command_runner.h"
#include "utility/eyecare/testing/ascii_codec.h"
#include "utility/eyecare/testing/fake_overlays.h"
#include "utility/monitor/current_monitor.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/settings/testing/registry_dump.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"
#include "utility/ui/testing/numbered_strings.h"
#include "xml/testing/test_document.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

inline std::string Description(const std::string& file) {
    std::ifstream in(std::string(DIMORA_SIM_MONITORS "/") + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The in-memory registry, refusing every write while `refuse` is set (a policy, a full hive).
struct RefusingRegistry : MemoryRegistry {
    RegistryStatus SetValue(RegistryKey key, const char* name, std::uint32_t type, const void* data,
                            std::uint32_t size) override {
        return refuse ? kRegistryAccessDenied
                      : MemoryRegistry::SetValue(key, name, type, data, size);
    }
    bool refuse = false;
};

// A machine with the monitors of a shipped description (lines in `extra` replace registers of
// its last monitor), the monitor list built as at start-up, and everything a command works with.
struct Desk {
    explicit Desk(const std::string& file, const std::string& extra = "")
        : Desk(Text{Description(file) + extra}) {}
    // A description given whole.
    struct Text {
        std::string description;
    };
    explicit Desk(const Text& text) : sim(text.description) {
        RebuildMonitorList(sim.ctrl, monitors);
        for (const char* known : {"amber.png", "paper.bmp"})
            overlays.pictures[folder + known] = {64, 64};
        overlays.pictures["C:\\mine\\one.bmp"] = {32, 32};
        filter.CreateOverlayWindows();
        sim.Take();
    }
    CommandAnswer Run(const Args& args) { return RunCommand(args, context); }
    SimMonitor& Monitor(int i) { return sim.system.bus.Monitor(i); }
    // Every register of monitor `i`, and the store commands it received.
    std::map<std::string, std::uint32_t> Registers(int i) {
        std::map<std::string, std::uint32_t> values;
        SimMonitor& m = Monitor(i);
        for (const auto& [code, reg] : m.Config().vcp)
            values["vcp " + std::to_string(code)] = *m.Value(0, code);
        for (const auto& [key, reg] : m.Config().vendor)
            values["vendor " + std::to_string(key.first) + " " + std::to_string(key.second)] =
                *m.Value(key.first, key.second);
        values["owner"] = m.Owner();
        values["stores"] = static_cast<std::uint32_t>(m.StoreCommands().size());
        return values;
    }

    SimMachine sim;
    CMonitorStatusAll monitors;
    CurrentMonitor current{sim.ctrl, monitors};
    RefusingRegistry registry;
    NumberedStrings strings;
    SingleByteCodePage codePage;
    ShellState shell;
    const std::string folder = std::string(EYECARE_TESTDATA_DIR) + "/mixed/";
    SimTrace gammaTrace;
    SimClock gammaClock{gammaTrace};
    FakeGammaPort gammaPort;
    GammaList gammaList;
    FakeOverlayPort overlays;
    FilterSettings applied;
    ScreenFilter filter{monitors, applied, overlays, gammaPort, gammaClock, gammaList};
    const CXMLHandler xml{MakeTestXmlDocument};
    const FilterTextCodec codec = AsciiCodec();
    VSFilterSources sources{xml, codec, folder, strings};
    FilterTarget target{sources, applied, filter, true};
    CommandContext context{sim.ctrl, monitors, registry, strings, codePage, shell, target};
};

// The words of a command line written as one text.
inline Args Words(const std::string& line) {
    std::istringstream in(line);
    Args words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}
