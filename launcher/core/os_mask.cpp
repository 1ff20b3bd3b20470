#include "launcher/core/os_mask.h"

#include <array>

namespace {

struct NamedBits {
    std::wstring_view name;
    OsMask bits;
};

using namespace os_mask;

constexpr std::array kNames{
    NamedBits{L"2000", kWindows2000},
    NamedBits{L"XP", kWindowsXp32 | kWindowsXp64},
    NamedBits{L"XP_32", kWindowsXp32},
    NamedBits{L"XP_64", kWindowsXp64},
    NamedBits{L"Vista", kWindowsVista32 | kWindowsVista64},
    NamedBits{L"Vista_32", kWindowsVista32},
    NamedBits{L"Vista_64", kWindowsVista64},
    NamedBits{L"Server2003", kWindowsServer2003_32 | kWindowsServer2003_64},
    NamedBits{L"Server2003_32", kWindowsServer2003_32},
    NamedBits{L"Server2003_64", kWindowsServer2003_64},
    NamedBits{L"Server2008", kWindowsServer2008_32 | kWindowsServer2008_64},
    NamedBits{L"Server2008_32", kWindowsServer2008_32},
    NamedBits{L"Server2008_64", kWindowsServer2008_64},
    NamedBits{L"7", kWindows7_32 | kWindows7_64},
    NamedBits{L"7_32", kWindows7_32},
    NamedBits{L"7_64", kWindows7_64},
};

} // namespace

OsMask OsMaskFromName(std::wstring_view name) {
    for (const auto& entry : kNames) {
        if (entry.name == name)
            return entry.bits;
    }
    return 0;
}
