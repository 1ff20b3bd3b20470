// The maker's vendor page list (block slot 0). Checks: only an empty text fails; values stay
// within a byte or "any"; the parse adds to what the map held; case does not matter; every entry
// is found by Contains; and the map printed back as a page list parses to the same map.
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

// One bracketed page per map entry, in map order: "PAGE(CODE)" or "PAGE(CODE(VALUE))".
std::string Print(const VendorPageMap& pages) {
    std::string text;
    for (const auto& [key, value] : pages) {
        text += Hex(key.first) + "(" + Hex(key.second);
        if (value != kAnyValue)
            text += "(" + Hex(static_cast<unsigned>(value)) + ")";
        text += ")";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    VendorPageMap pages;
    const bool ok = ParseVendorPages(text, pages);
    FUZZ_CHECK(ok == !text.empty());
    for (const auto& [key, value] : pages) {
        FUZZ_CHECK(value == kAnyValue || (value >= 0 && value <= 0xFF));
        FUZZ_CHECK(Contains(pages, key, value));
        FUZZ_CHECK(Contains(pages, key, kAnyValue));
    }

    VendorPageMap added{{VendorKey{0x4242, 0x42}, 7}};
    FUZZ_CHECK(ParseVendorPages(text, added) == ok);
    FUZZ_CHECK(added.size() == pages.size() + 1);

    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    VendorPageMap fromUpper;
    ParseVendorPages(upper, fromUpper);
    FUZZ_CHECK(fromUpper == pages);

    if (!pages.empty()) {
        VendorPageMap again;
        FUZZ_CHECK(ParseVendorPages(Print(pages), again));
        FUZZ_CHECK(again == pages);
    }
    return 0;
}
