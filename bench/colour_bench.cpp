// Prints, for each thing a user does on the colour page and in the colour adjustment dialog, the
// simulated bus time next to the pauses the monitor protocol mandates for the transactions it
// sent (20 ms after a read, the write pause of each code on its page) and the waits the page
// itself must make. An action that spends more bus time than that retried or waited for nothing.
#include "sim/sim_system.h"
#include "utility/monitor/current_monitor.h"
#include "utility/monitor/write_pauses.h"
#include "utility/pages/color_page_model.h"
#include "utility/pages/color_sub_model.h"
#include "utility/pages/testing/plain_views.h"
#include "utility/settings/testing/registry_memory.h"
#include "utility/text/testing/code_pages.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

class Strings : public StringTable {
  public:
    std::string Load(std::uint32_t) const override { return "text"; }
};

// The pauses the protocol mandates for the transactions of `events`: 20 ms after every read,
// and after every write the pause of its code on the page the monitor had selected then.
std::uint64_t MandatedPauses(const std::vector<SimEvent>& events) {
    std::map<int, std::uint16_t> page; // per monitor, from its page-register writes
    std::uint64_t total = 0;
    for (const SimEvent& event : events) {
        if (event.kind == SimEvent::Kind::Get) {
            total += kReadPauseMs;
        } else if (event.kind == SimEvent::Kind::Set) {
            if (event.code == kOwnerRegister) {
                total += kOwnerWritePauseMs;
            } else if (event.code == kPageRegister) {
                total += kPageWritePauseMs;
                page[event.monitor] = static_cast<std::uint16_t>(event.value);
            } else {
                const auto pause = event.code < 0xE2
                                       ? StandardWritePause(event.code)
                                       : VendorWritePause(page[event.monitor], event.code);
                total += pause.value_or(0);
            }
        }
    }
    return total;
}

void Measure(SimSystem& system, const char* what, std::uint64_t pageWaitsMs,
             const std::function<void()>& action) {
    system.trace.Clear();
    const std::uint64_t start = system.clock.Now();
    action();
    const std::uint64_t bus = system.clock.Now() - start;
    const std::uint64_t mandated = MandatedPauses(system.trace.Events()) + pageWaitsMs;
    // The calls' own time (the description's call costs) is the monitor's, not ours: the goal
    // is on what remains.
    const std::uint64_t calls = system.trace.CallMs();
    std::printf(
        "%-36s bus %6llu ms = pauses %6llu + calls %5llu  transactions %3zu  mandated "
        "%6llu ms  %s\n",
        what, static_cast<unsigned long long>(bus), static_cast<unsigned long long>(bus - calls),
        static_cast<unsigned long long>(calls), system.trace.Transactions(),
        static_cast<unsigned long long>(mandated), bus - calls <= mandated ? "met" : "OVER");
}

} // namespace

int main(int argc, char** argv) {
    const std::string file = argc > 1 ? argv[1] : DIMORA_SIM_MONITORS "/typical.txt";
    SimSystem system;
    std::string error;
    if (!LoadSimDescriptionFile(file, system, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    DeviceCtrl ctrl(system.Ports());
    CMonitorStatusAll monitors;
    RebuildMonitorList(ctrl, monitors);
    if (!monitors.HasCurrent()) {
        std::fprintf(stderr, "%s: no monitor to control\n", file.c_str());
        return 2;
    }
    CurrentMonitor current(ctrl, monitors);
    MemoryRegistry registry;
    Strings strings;
    SingleByteCodePage codePage;
    ShellState shell;
    CMonitorColor snapshot;
    PlainColorView pageView;
    ColorPageModel page(pageView, current, monitors, registry, strings, codePage, snapshot, shell);
    PlainSubView dialogView;
    ColorSubModel dialog(dialogView, current, snapshot, monitors, shell);

    std::printf("Colour page and dialog on: %s (goal: no action's pauses over the mandated ones)\n",
                system.bus.Monitor(0).Config().name.c_str());
    Measure(system, "show the page (refresh)", 0, [&] { page.Refresh(); });
    Measure(system, "picture-mode change", 0, [&] { page.ModeChanged(1); });
    Measure(system, "pick the monitor (with its waits)", 500 + 100,
            [&] { page.MonitorChanged(0); });
    Measure(system, "open the colour dialog", 0, [&] { dialog.Open(); });
    const std::pair<const char*, ColorSlider> sliders[] = {
        {"temperature one step", ColorSlider::Temperature},
        {"brightness one step", ColorSlider::Brightness},
        {"contrast one step", ColorSlider::Contrast},
        {"gamma one step", ColorSlider::Gamma},
        {"red gain one step", ColorSlider::Red},
        {"green gain one step", ColorSlider::Green},
        {"blue gain one step", ColorSlider::Blue},
    };
    for (const auto& [what, slider] : sliders) {
        const SliderState& state = dialog.Slider(slider);
        const int next = state.position < state.maximum ? state.position + 1 : state.position - 1;
        Measure(system, what, 0, [&] { dialog.SliderMoved(slider, next); });
    }
    Measure(system, "Cancel (write back, store)", 0, [&] { dialog.Cancel(); });
    dialog.Close();
    pageView.box = {"Office", -1};
    Measure(system, "Register", 0, [&] { page.Register(); });
    pageView.box = {"Office", 0};
    Measure(system, "Restore", 0, [&] { page.Restore(); });
    return 0;
}
