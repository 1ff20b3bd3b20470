// parse-info and list: the monitor-information block decoder, and what an enumeration found.
#include "tools/ddcdiag/commands.h"

#include "sim/sim_system.h"
#include "tools/ddcdiag/hex_line.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_information.h"
#include "utility/monitor/monitor_list.h"
#include "utility/monitor/picture_mode_names.h"
#include "utility/text/printable_text.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <ostream>

namespace {

std::string Hex(std::uint64_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}

bool HexBytes(const std::string& line, std::uint8_t (&block)[kMonitorInformationSize]) {
    std::vector<std::uint8_t> bytes;
    if (!HexLine(line, bytes) || bytes.size() > kMonitorInformationSize)
        return false;
    std::copy(bytes.begin(), bytes.end(), block);
    return true;
}

std::string Modes(std::uint64_t mask) {
    std::string names;
    for (int mode = 0; mode < kModeNotChange; ++mode) {
        const std::string_view name = EnglishModeName(mode);
        if (!(mask >> mode & 1) || name.empty())
            continue;
        names += names.empty() ? "" : ",";
        names += name;
    }
    return names.empty() ? "-" : names;
}

} // namespace

int ParseInfoCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        std::uint8_t block[kMonitorInformationSize] = {};
        MonitorInformation info;
        if (!HexBytes(line, block) || !ParseMonitorInformationBlock(block, info)) {
            out << "fail\n";
            continue;
        }
        out << "ok v1=" << Hex(info.value1) << " modes=" << Hex(info.pictureModeMask)
            << " temps=" << Hex(info.temperatureMask) << " v7=" << Hex(info.value7)
            << " gamma=" << Hex(info.gammaMask) << " audio=" << Hex(info.audioFlags)
            << " extra=" << Hex(info.extra38) << " feature=" << Hex(info.featureWord) << " flags=";
        for (int mode = 0; mode < kPictureModeCount; ++mode)
            out << (mode ? "," : "") << Hex(info.modeFlags[mode]);
        out << '\n';
    }
    return 0;
}

int ListMonitors(const MonitorPorts& ports, std::ostream& out) {
    DeviceCtrl ctrl(ports);
    CMonitorStatusAll all;
    RebuildMonitorList(ctrl, all);
    out << "entries " << ctrl.EntryCount() << '\n';
    for (std::size_t i = 0; i < ctrl.EntryCount(); ++i) {
        const MonitorEntry& e = ctrl.Entry(i);
        out << "entry " << i << " label=" << e.displayLabel << " display=" << e.displayNumber
            << " device=" << e.monitorInfo.device << " desktop=" << e.monitorInfo.monitor.left
            << ',' << e.monitorInfo.monitor.top << " description=\"" << PrintableText(e.description)
            << "\" " << (e.supported ? "supported" : "unsupported: ")
            << (e.supported ? "" : EntryCheckName(e.failedCheck)) << '\n';
    }
    out << "monitors " << all.monitors.size() << '\n';
    for (std::size_t i = 0; i < all.monitors.size(); ++i) {
        const CMonitorStatus& m = *all.monitors[i];
        out << "monitor " << i << " label=" << m.displayLabel
            << " serial=" << PrintableText(m.serialNumber)
            << " model=" << PrintableText(m.modelName) << " key=" << PrintableText(m.identityKey)
            << " modes=" << Modes(m.information.pictureModeMask)
            << (static_cast<int>(i) == all.currentIndex ? " current" : "") << '\n';
    }
    return all.monitors.empty() ? 1 : 0;
}

int ListSimulatedCommand(const std::string& simFile, std::ostream& out, std::ostream& err) {
    SimSystem system;
    std::string error;
    if (!LoadSimDescriptionFile(simFile, system, error)) {
        err << "ddcdiag: " << simFile << ": " << error << '\n';
        return 2;
    }
    return ListMonitors(system.Ports(), out);
}
