#include "tools/uidriver/startup_report.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double kPrivateBytesGoal = 1.5; // at most this many times the baseline's
constexpr double kIconSlackMs = 10;       // over the baseline's time and the mandated pauses

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Field> double MedianOf(const std::vector<StartupRun>& runs, Field field) {
    std::vector<double> values;
    for (const StartupRun& run : runs)
        values.push_back(static_cast<double>(run.*field));
    return Median(values);
}

[[gnu::format(printf, 1, 2)]] std::string Line(const char* format, ...) {
    char text[256];
    va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    return text;
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

StartupMedians Medians(const std::vector<StartupRun>& runs) {
    StartupMedians medians;
    medians.iconMs = MedianOf(runs, &StartupRun::iconMs);
    medians.readyMs = MedianOf(runs, &StartupRun::readyMs);
    medians.ownIconMs = MedianOf(runs, &StartupRun::ownIconMs);
    medians.privateBytes = MedianOf(runs, &StartupRun::privateBytes);
    medians.privateRegions = MedianOf(runs, &StartupRun::privateRegions);
    medians.workingSet = MedianOf(runs, &StartupRun::workingSet);
    const auto [fastest, slowest] =
        std::minmax_element(runs.begin(), runs.end(), [](const StartupRun& a, const StartupRun& b) {
            return a.iconMs < b.iconMs;
        });
    medians.fastestIconMs = fastest->iconMs;
    medians.slowestIconMs = slowest->iconMs;
    medians.rounds = runs.size();
    return medians;
}

std::string FormatStartupReport(const StartupMedians& ours, const StartupMedians& baseline,
                                const StartupPauses& pauses, long utilityMonitors) {
    const double pausedMs = static_cast<double>(pauses.pausedMs);
    const double callMs = static_cast<double>(pauses.callMs);
    const double privateRatio = ours.privateBytes / baseline.privateBytes;
    std::string text;
    text += Line("start-up, medians of %u rounds      DimoraDdcci     baseline  ours/baseline\n",
                 static_cast<unsigned>(ours.rounds));
    text += Line("process start to the icon         %8.0f ms  %8.0f ms  %8.2f\n", ours.iconMs,
                 baseline.iconMs, ours.iconMs / baseline.iconMs);
    const std::string ourRange = Line("%.0f-%.0f", ours.fastestIconMs, ours.slowestIconMs);
    const std::string baseRange = Line("%.0f-%.0f", baseline.fastestIconMs, baseline.slowestIconMs);
    text += Line("  fastest and slowest round    %11s ms %9s ms\n", ourRange.c_str(),
                 baseRange.c_str());
    text += Line("program start to the icon (own)   %8.0f ms  %8.0f ms  %8.2f\n", ours.ownIconMs,
                 baseline.ownIconMs, ours.ownIconMs / baseline.ownIconMs);
    const double ourLoading = ours.iconMs - ours.ownIconMs;
    const double baseLoading = baseline.iconMs - baseline.ownIconMs;
    text += Line("loading, process start to own code %8.0f ms  %8.0f ms  %+8.0f ms\n", ourLoading,
                 baseLoading, ourLoading - baseLoading);
    text += Line("process start to ready (query)    %8.0f ms  %8.0f ms  %8.2f\n", ours.readyMs,
                 baseline.readyMs, ours.readyMs / baseline.readyMs);
    text += Line("private bytes (commit charge)     %8.0f KiB %8.0f KiB %8.2f\n",
                 ours.privateBytes / 1024, baseline.privateBytes / 1024, privateRatio);
    text += Line("committed private regions         %8.0f KiB %8.0f KiB %8.2f\n",
                 ours.privateRegions / 1024, baseline.privateRegions / 1024,
                 ours.privateRegions / baseline.privateRegions);
    text += Line("working set                       %8.0f KiB %8.0f KiB %8.2f\n",
                 ours.workingSet / 1024, baseline.workingSet / 1024,
                 ours.workingSet / baseline.workingSet);
    text += "(the icon: from the driver's tick before it starts the program to the program's\n"
            " tick when its icon was added; own: each program's clock from its first code to its\n"
            " icon; loading: the difference, the system's work before each program's first line;\n"
            " ready: until the program answers the query, which the utility does only after its\n"
            " whole initialisation, gamma ramps included)\n";
    text +=
        Line("monitors the utility controls: %ld (the simulator's enumeration keeps %u of %u)\n",
             utilityMonitors, static_cast<unsigned>(pauses.controlled),
             static_cast<unsigned>(pauses.described));
    text += Line("mandated monitor pauses before the icon: %.0f ms (enumeration and state "
                 "build, simulator's clock)\n",
                 pausedMs);
    // The icon (own) is the pauses, the calls and our own work; the baseline's own figure is
    // what any program with one window and an icon spends.
    const double ownWorkMs = ours.ownIconMs - baseline.ownIconMs - pausedMs - callMs;
    text += Line("of the icon (own) %.0f ms: pauses %.0f ms, calls %.0f ms (the description's "
                 "call costs and time-outs), our own time %.0f ms over the baseline's %.0f ms\n",
                 ours.ownIconMs, pausedMs, callMs, ownWorkMs, baseline.ownIconMs);
    const double regionsRatio = ours.privateRegions / baseline.privateRegions;
    text += Line("goal: private bytes at most %.1fx the baseline's: commit charge %.2fx, %s; "
                 "private regions %.2fx, %s\n",
                 kPrivateBytesGoal, privateRatio, Verdict(privateRatio <= kPrivateBytesGoal),
                 regionsRatio, Verdict(regionsRatio <= kPrivateBytesGoal));
    const double iconLimit = baseline.iconMs + pausedMs + callMs + kIconSlackMs;
    text += Line("goal: icon at most baseline + pauses + calls + %.0f ms = %.0f ms: %.0f ms, %s\n",
                 kIconSlackMs, iconLimit, ours.iconMs, Verdict(ours.iconMs <= iconLimit));
    const double ownLimit = baseline.ownIconMs + pausedMs + callMs + kIconSlackMs;
    text += Line("goal: icon (own) at most baseline + pauses + calls + %.0f ms = %.0f ms: %.0f ms, "
                 "%s\n",
                 kIconSlackMs, ownLimit, ours.ownIconMs,
                 Verdict(ours.ownIconMs >= 0 && ours.ownIconMs <= ownLimit));
    return text;
}
