// parse-caps and parse-vendor-pages: one text per input line, one result line per text.
#include "tools/ddcdiag/commands.h"

#include "utility/monitor/capabilities.h"

#include <cstdio>
#include <istream>
#include <ostream>

namespace {

std::string ValueText(std::int32_t value) {
    if (value == kAnyValue)
        return "*";
    char text[12];
    std::snprintf(text, sizeof text, "%02x", static_cast<unsigned>(value));
    return text;
}

} // namespace

int ParseCapsCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        CapabilityCodes codes;
        out << (ParseCapabilities(line, codes) ? "ok" : "fail");
        for (const auto& [code, value] : codes) {
            char key[8];
            std::snprintf(key, sizeof key, " %02x=", code);
            out << key << ValueText(value);
        }
        out << '\n';
    }
    return 0;
}

int ParseVendorPagesCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        VendorPageMap pages;
        out << (ParseVendorPages(line, pages) ? "ok" : "fail");
        for (const auto& [key, value] : pages) {
            char text[16];
            std::snprintf(text, sizeof text, " %04x.%02x=", key.first, key.second);
            out << text << ValueText(value);
        }
        out << '\n';
    }
    return 0;
}
