#include "sim/win/sim_dump.h"

#include <cstdio>
#include <ostream>

namespace {

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof(text), "%02x", value & 0xFFFF);
    return text;
}

constexpr std::uint16_t kPicturePage = 0x30;
constexpr std::uint8_t kPictureMode = 0xE2;

} // namespace

void WriteSimDump(std::ostream& out, SimBus& bus) {
    for (std::size_t i = 0; i < bus.Count(); ++i) {
        const SimMonitor& monitor = bus.Monitor(static_cast<int>(i));
        const SimMonitorConfig& config = monitor.Config();
        out << "monitor " << i << ' ' << config.name << '\n';
        out << "device " << config.device << '\n';
        out << "owner " << monitor.Owner() << '\n';
        out << "page " << Hex(monitor.Page()) << '\n';
        if (const auto mode = monitor.Value(kPicturePage, kPictureMode))
            out << "mode " << *mode << '\n';
        for (const auto& [code, reg] : config.vcp)
            out << "vcp " << Hex(code) << ' ' << reg.current << '\n';
        for (const auto& [key, reg] : config.vendor)
            out << "vendor " << Hex(key.first) << ' ' << Hex(key.second) << ' ' << reg.current
                << '\n';
        for (std::uint32_t value : monitor.StoreCommands())
            out << "store " << value << '\n';
    }
}
