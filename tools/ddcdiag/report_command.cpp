// ddcdiag report [--sim FILE]: the machine, every monitor as the utility finds it, what each
// answers and how fast, and the utility's settings, as one text for a support request.
#include "tools/ddcdiag/report.h"

#include "libpanq/edid.h"
#include "sim/sim_system.h"
#include "tools/ddcdiag/commands.h"
#include "tools/ddcdiag/tracing_ports.h"
#include "utility/monitor/capabilities.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/vcp_codes.h"
#include "utility/monitor/write_pauses.h"
#include "utility/settings/registry_port.h"
#include "utility/settings/settings_keys.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <set>

namespace {

constexpr int kTimedReads = 5;

std::string Hex2(unsigned value) {
    char text[12];
    std::snprintf(text, sizeof text, "%02x", value);
    return text;
}

void Edids(const ReportMachine& machine, std::ostream& out) {
    out << "\n== EDIDs (decoded as libpanq reads them)\n";
    if (machine.edids.empty())
        out << "none kept by the system\n";
    for (std::size_t i = 0; i < machine.edids.size(); ++i) {
        const auto& bytes = machine.edids[i];
        EdidIdentity id;
        out << "edid " << i << ' ';
        if (!ParseEdid(bytes.data(), bytes.size(), id)) {
            out << "invalid (" << bytes.size() << " bytes)\n";
            continue;
        }
        out << "mfg=" << id.manufacturer << " product=" << id.productCode
            << " serial=" << id.serialNumber << " week=" << unsigned{id.week} << " year=" << id.year
            << " version=" << unsigned{id.version} << '.' << unsigned{id.revision} << " name=\""
            << id.modelName << "\" serial_text=\"" << id.serialText << "\""
            << (IsMakerMonitor(id) ? " maker" : "") << '\n';
    }
}

void Panq(PanqPort& panq, std::ostream& out) {
    out << "\n== libpanq\n";
    int count = 0;
    panq.PnqFindMonitors(&count, 1);
    out << "found " << count << '\n';
    std::vector<std::uint8_t> record(kPnqMonitorInfoSize);
    for (int j = 0; j < count && j < 64; ++j) {
        std::fill(record.begin(), record.end(), 0);
        const int rc = panq.PnqGetMonitorInfo(j, record.data(), 0);
        std::int32_t left = 0, top = 0;
        std::copy_n(record.data() + kPnqDesktopLeftOffset, 4,
                    reinterpret_cast<std::uint8_t*>(&left));
        std::copy_n(record.data() + kPnqDesktopTopOffset, 4, reinterpret_cast<std::uint8_t*>(&top));
        out << "record " << j << " result=" << rc << " desktop=" << left << ',' << top << '\n';
    }
}

// Each code read kTimedReads times on its own, with the read pause between: the call's time
// alone, fastest, median and slowest, and how many failed or timed out. A time-out ends the
// timing of the monitor, so that a monitor that stopped answering costs one.
bool TimeReads(DeviceCtrl& ctrl, PhysicalHandle handle, const std::vector<std::uint8_t>& codes,
               std::ostream& out) {
    const MonitorPorts& ports = ctrl.Ports();
    out << "timing (" << kTimedReads << " reads each, the call alone in ms):\n";
    for (std::uint8_t code : codes) {
        std::vector<std::uint32_t> took;
        int failures = 0;
        int timeOuts = 0;
        for (int i = 0; i < kTimedReads && timeOuts == 0; ++i) {
            std::uint32_t current = 0, maximum = 0;
            const std::uint32_t start = ports.clock.TickCount();
            const bool ok = ports.ddc.GetVcpFeature(handle, code, current, maximum);
            const std::uint32_t ms = ports.clock.TickCount() - start;
            ports.clock.Sleep(kReadPauseMs);
            took.push_back(ms);
            failures += !ok;
            timeOuts += !ok && ms >= kTimeOutMs;
        }
        std::sort(took.begin(), took.end());
        out << "  code " << Hex2(code) << " fastest " << took.front() << " median "
            << took[took.size() / 2] << " slowest " << took.back() << " failures " << failures
            << " time-outs " << timeOuts << '\n';
        if (timeOuts > 0 || !ctrl.IsAnswering(handle))
            return false;
    }
    return true;
}

std::string OwnerText(DeviceCtrl& ctrl, std::uint32_t value) {
    const std::uint32_t owner = value & kOwnerRegisterMask;
    if (owner == 0)
        return "0 (free)";
    if (owner == OwnerValueOf(ctrl.Ports().processes.CurrentProcessId()))
        return std::to_string(owner) + " (this tool)";
    std::vector<ProcessInfo> processes;
    std::string holders;
    if (ctrl.Ports().processes.Snapshot(processes)) {
        for (const auto& p : processes) {
            if (OwnerValueOf(p.id) != owner)
                continue;
            holders += ' ';
            holders += std::to_string(p.id);
            holders += ' ';
            holders += p.exeFile;
        }
    }
    return std::to_string(owner) + (ctrl.IsOwnerFree(value) ? " (free to us:" : " (held by:") +
           (holders.empty() ? " no running process" : holders) + ")";
}

void PictureMode(DeviceCtrl& ctrl, const CMonitorStatus& state, std::ostream& out) {
    if (!ctrl.TakeOwnership(state.Handle(), Retry::No)) {
        out << "picture mode not read: the owner register could not be taken\n";
        return;
    }
    std::uint32_t mode = 0, maximum = 0;
    if (ctrl.ReadFeature(state, kColorPage, kModeCode, &mode, &maximum, PageSelect::Write,
                         Retry::Yes))
        out << "picture mode " << mode << " (maximum " << maximum << ")\n";
    else
        out << "picture mode not readable\n";
    ctrl.ReleaseOwnership(state.Handle());
}

void Monitor(DeviceCtrl& ctrl, const CMonitorStatusAll& all, std::size_t index, std::ostream& out) {
    const MonitorEntry& e = ctrl.Entry(index);
    out << "\n== monitor " << e.displayLabel << "\n";
    out << "device " << e.monitorInfo.device << " desktop=" << e.monitorInfo.monitor.left << ','
        << e.monitorInfo.monitor.top << ',' << e.monitorInfo.monitor.right << ','
        << e.monitorInfo.monitor.bottom << " description=\"" << e.description << "\"\n";
    out << (e.supported ? "supported"
                        : std::string("unsupported: ") + EntryCheckName(e.failedCheck))
        << '\n';
    if (e.failedCheck == EntryCheck::NotMakerMonitor)
        return; // the utility never talks to it
    if (e.failedCheck == EntryCheck::NotAnswering || !ctrl.IsAnswering(e.physicalHandle)) {
        out << "not answering: DDC/CI timed out at discovery; nothing more is read\n";
        return;
    }
    out << "capabilities " << e.capabilities << '\n';
    out << "parse" << CodesText(e.capabilityCodes) << '\n';
    if (!e.vendorPageList.empty())
        out << "vendor-pages " << e.vendorPageList << "\nparse" << PagesText(e.vendorPages) << '\n';
    std::uint32_t owner = 0, maximum = 0;
    if (ctrl.Ports().ddc.GetVcpFeature(e.physicalHandle, kOwnerRegister, owner, maximum))
        out << "owner " << OwnerText(ctrl, owner) << '\n';
    else
        out << "owner register not readable\n";
    ctrl.Ports().clock.Sleep(kReadPauseMs);
    for (const auto& state : all.monitors) {
        if (state->physicalHandle == &e.physicalHandle) {
            out << "serial " << state->serialNumber << " model " << state->modelName << '\n';
            PictureMode(ctrl, *state, out);
        }
    }
    std::vector<std::uint8_t> codes;
    for (std::uint8_t code : {kBrightnessCode, kContrastCode, kRedCode, kGreenCode, kBlueCode,
                              kSpeakerVolumeCode, kOwnerRegister}) {
        if (Contains(e.capabilityCodes, code, kAnyValue))
            codes.push_back(code);
    }
    if (!TimeReads(ctrl, e.physicalHandle, codes, out))
        out << "stopped: the monitor timed out\n";
}

void DumpKey(RegistryPort& registry, const std::string& path, int depth, std::ostream& out) {
    RegistryKey key = nullptr;
    if (registry.OpenKey(path.c_str(), RegistryAccess::Read, key) != kRegistrySuccess) {
        out << (depth == 0 ? "no settings stored\n" : "");
        return;
    }
    out << '[' << path << "]\n";
    for (std::uint32_t i = 0; i < 1000; ++i) {
        char name[256];
        std::uint32_t nameLength = sizeof name;
        std::uint32_t type = 0;
        std::uint8_t data[2048];
        std::uint32_t size = sizeof data;
        if (registry.EnumValue(key, i, name, &nameLength, &type, data, &size) != kRegistrySuccess)
            break;
        out << "  \"" << std::string(name, nameLength) << "\" = ";
        if (type == kRegistryDword && size == 4)
            out << "dword "
                << (data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t{data[3]} << 24);
        else if (type == kRegistryString)
            out << "string \""
                << std::string(reinterpret_cast<char*>(data),
                               strnlen(reinterpret_cast<char*>(data), size))
                << '"';
        else {
            out << "type " << type << " hex";
            for (std::uint32_t b = 0; b < size; ++b)
                out << ' ' << Hex2(data[b]);
        }
        out << '\n';
    }
    std::vector<std::string> subKeys;
    for (std::uint32_t i = 0; i < 1000; ++i) {
        char name[256];
        std::uint32_t nameLength = sizeof name;
        if (registry.EnumKey(key, i, name, &nameLength) != kRegistrySuccess)
            break;
        subKeys.emplace_back(name, nameLength);
    }
    registry.CloseKey(key);
    if (depth < 4) {
        for (const auto& sub : subKeys)
            DumpKey(registry, path + "\\" + sub, depth + 1, out);
    }
}

} // namespace

void WriteReport(const MonitorPorts& ports, const ReportMachine& machine, std::ostream& out) {
    SimTrace trace;
    TracingDdcPort ddc(ports.ddc, trace, &ports.clock);
    TracingClock clock(ports.clock, trace);
    DeviceCtrl ctrl(
        MonitorPorts{ddc, clock, ports.processes, ports.display, ports.panq, ports.codePage});

    out << "ddcdiag report, suite version " DIMORA_VERSION "\n\n== system\n"
        << machine.system << '\n';
    if (!machine.utilityRunning)
        out << "utility: not checked (simulated machine)\n";
    else if (*machine.utilityRunning)
        out << "utility: RUNNING; its own monitor work may show in the figures below (quit it "
               "from its menu and run the report again)\n";
    else
        out << "utility: not running\n";
    out << "\n== display devices\n";
    for (const auto& device : machine.devices)
        out << device << '\n';
    Edids(machine, out);
    Panq(ports.panq, out);

    out << "\n== enumeration\n";
    CMonitorStatusAll all;
    RebuildMonitorList(ctrl, all);
    out << "physical monitors " << ctrl.EntryCount() << ", controlled " << all.monitors.size()
        << '\n';
    for (std::size_t i = 0; i < ctrl.EntryCount(); ++i)
        Monitor(ctrl, all, i, out);

    out << "\n== settings (HKEY_CURRENT_USER)\n";
    if (machine.registry)
        DumpKey(*machine.registry, kRootKey, 0, out);
    else
        out << "not read (simulated machine)\n";

    std::size_t timeOuts = 0;
    for (const auto& event : trace.Events())
        timeOuts += event.kind != SimEvent::Kind::Sleep && !event.ok && event.ms >= kTimeOutMs;
    out << "\n== bus\ntransactions " << trace.Transactions() << ", calls " << trace.CallMs()
        << " ms, pauses " << trace.PausedMs() << " ms, time-outs " << timeOuts << '\n';
}

int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "--sim") {
        SimSystem system;
        std::string error;
        if (!LoadSimDescriptionFile(args[1], system, error)) {
            err << "ddcdiag: " << args[1] << ": " << error << '\n';
            return 2;
        }
        ReportMachine machine;
        machine.system = "simulated monitors: " + args[1];
        std::set<std::string> devices;
        for (std::size_t i = 0; i < system.bus.Count(); ++i)
            devices.insert(system.bus.Monitor(static_cast<int>(i)).Config().device);
        for (const auto& device : devices)
            machine.devices.push_back(device);
        WriteReport(system.Ports(), machine, out);
        return 0;
    }
    if (!args.empty())
        return -1;
    ReportMachine machine;
    if (!ReadReportMachine(machine))
        return WithRealPorts({}, err);
    return WithRealPorts(
        [&](const MonitorPorts& ports) {
            WriteReport(ports, machine, out);
            return 0;
        },
        err);
}
