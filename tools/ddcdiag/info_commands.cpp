// parse-info and list: the monitor-information block decoder, and what an enumeration found.
#include "tools/ddcdiag/commands.h"

#include "sim/sim_system.h"
#include "utility/monitor/device_ctrl.h"
#include "utility/monitor/monitor_information.h"
#include "utility/monitor/monitor_list.h"

#include <cctype>
#include <cstdio>
#include <istream>
#include <ostream>

namespace {

// English names of the picture modes by their string id, for diagnostics only; the program
// itself takes them from its string table.
const char* ModeName(std::uint32_t id) {
    switch (id) {
    case 104:
        return "Game mode";
    case 105:
        return "User1 mode";
    case 106:
        return "User2 mode";
    case 107:
        return "User3 mode";
    case 108:
        return "EyeCare mode";
    case 109:
        return "Cinema mode";
    case 110:
        return "Paper mode";
    case 111:
        return "Text mode";
    case 112:
        return "Picture mode";
    case 113:
        return "Movie mode";
    case 114:
        return "Custom mode";
    case 115:
        return "sRGB mode";
    case 118:
        return "Eco mode";
    case 153:
        return "External mode";
    case 168:
        return "Viewer mode";
    case 183:
        return "DICOM-CL mode";
    case 184:
        return "DICOM-BL mode";
    case 185:
        return "CAL mode";
    case 226:
        return "CAD mode";
    default:
        return nullptr;
    }
}

std::string Hex(std::uint64_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}

bool HexBytes(const std::string& line, std::uint8_t (&block)[kMonitorInformationSize]) {
    std::string digits;
    for (char c : line) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
        else if (!std::isspace(static_cast<unsigned char>(c)))
            return false;
    }
    if (digits.size() % 2 != 0 || digits.size() / 2 > kMonitorInformationSize)
        return false;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        block[i / 2] = static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16));
    return true;
}

std::string Modes(std::uint64_t mask) {
    std::string names;
    for (int mode = 0; mode < kModeNotChange; ++mode) {
        const char* name = ModeName(PictureModes()[mode].nameId);
        if (!(mask >> mode & 1) || !name)
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
            << ',' << e.monitorInfo.monitor.top << " description=\"" << e.description << "\" "
            << (e.supported ? "supported" : "unsupported: ")
            << (e.supported ? "" : EntryCheckName(e.failedCheck)) << '\n';
    }
    out << "monitors " << all.monitors.size() << '\n';
    for (std::size_t i = 0; i < all.monitors.size(); ++i) {
        const CMonitorStatus& m = *all.monitors[i];
        out << "monitor " << i << " label=" << m.displayLabel << " serial=" << m.serialNumber
            << " model=" << m.modelName << " key=" << m.identityKey
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
