// parse-edid: EDID base blocks decoded as libpanq reads them, one per input line.
#include "tools/ddcdiag/commands.h"

#include "libpanq/edid.h"
#include "tools/ddcdiag/hex_line.h"
#include "utility/text/printable_text.h"

#include <istream>
#include <ostream>
#include <vector>

int ParseEdidCommand(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#')
            continue;
        std::vector<std::uint8_t> bytes;
        EdidIdentity id;
        if (!HexLine(line, bytes) || !ParseEdid(bytes.data(), bytes.size(), id)) {
            out << "invalid\n";
            continue;
        }
        out << "mfg=" << id.manufacturer << " product=" << id.productCode
            << " serial=" << id.serialNumber << " week=" << unsigned{id.week} << " year=" << id.year
            << " version=" << unsigned{id.version} << '.' << unsigned{id.revision} << " name=\""
            << PrintableText(id.modelName) << "\" serial_text=\"" << PrintableText(id.serialText)
            << "\"\n";
    }
    return 0;
}
