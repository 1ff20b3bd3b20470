// The capabilities string as a monitor sends it. Checks: values stay within a byte or "any";
// the parse adds to what the map held; case does not matter; every entry is found by Contains;
// and the codes printed back as a capabilities string parse to the same codes.
#include "fuzz/testing/fuzz_check.h"
#include "utility/monitor/capabilities.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

// A well-formed string with the same codes, one entry per map entry in map order.
std::string Print(const CapabilityCodes& codes) {
    std::string text = "(prot(monitor)vcp(";
    for (const auto& [code, value] : codes) {
        text += Hex(code);
        if (value != kAnyValue)
            text += "(" + Hex(static_cast<unsigned>(value)) + ")";
        text += ' ';
    }
    return text + ")mswhql(1)mccs_ver(2.2))";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CapabilityCodes codes;
    const bool ok = ParseCapabilities(text, codes);
    for (const auto& [code, value] : codes) {
        FUZZ_CHECK(value == kAnyValue || (value >= 0 && value <= 0xFF));
        FUZZ_CHECK(Contains(codes, code, value));
        FUZZ_CHECK(Contains(codes, code, kAnyValue));
    }

    // Adding to a map that already holds an entry: the same entries follow it.
    CapabilityCodes added{{0x42, 7}};
    FUZZ_CHECK(ParseCapabilities(text, added) == ok);
    CapabilityCodes expected{{0x42, 7}};
    expected.insert(codes.begin(), codes.end());
    FUZZ_CHECK(added.size() == expected.size());

    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    CapabilityCodes fromUpper;
    FUZZ_CHECK(ParseCapabilities(upper, fromUpper) == ok);
    FUZZ_CHECK(fromUpper == codes);

    if (ok) {
        CapabilityCodes again;
        FUZZ_CHECK(ParseCapabilities(Print(codes), again));
        FUZZ_CHECK(again == codes);
    }
    return 0;
}
