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

std::string CodesText(const CapabilityCodes& codes) {
    std::string text;
    for (const auto& [code, value] : codes) {
        char key[8];
        std::snprintf(key, sizeof key, " %02x=", code);
        text += key + ValueText(value);
    }
    return text;
}

std::string PagesText(const VendorPageMap& pages) {
    std::string text;
    for (const auto& [key, value] : pages) {
        char name[16];
        std::snprintf(name, sizeof name, " %04x.%02x=", key.first, key.second);
        text += name + ValueText(value);
    }
    return text;
}

int ParseCapsCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        CapabilityCodes codes;
        out << (ParseCapabilities(line, codes) ? "ok" : "fail") << CodesText(codes) << '\n';
    }
    return 0;
}

int ParseVendorPagesCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        VendorPageMap pages;
        out << (ParseVendorPages(line, pages) ? "ok" : "fail") << PagesText(pages) << '\n';
    }
    return 0;
}
