#include "launcher/core/windows_version.h"

namespace {

using namespace windows_ids;

// NT 5.2 is Windows Server 2003 (R2 and Home Server included) except for Windows XP Professional
// x64, a workstation release on AMD64. Without the extended record the two cannot be told apart.
WindowsFamily ClassifyNt52(const WindowsVersionFacts& facts) {
    if (facts.serverR2 || facts.suiteMask == kSuiteWhServer)
        return WindowsFamily::WindowsServer2003;
    if (!facts.extended)
        return WindowsFamily::None;
    if (facts.productType == kProductWorkstation &&
        facts.processorArchitecture == kArchitectureAmd64)
        return WindowsFamily::WindowsXp;
    return WindowsFamily::WindowsServer2003;
}

WindowsFamily ClassifyNt(const WindowsVersionFacts& facts) {
    if (facts.major == 5) {
        switch (facts.minor) {
        case 0:
            return WindowsFamily::Windows2000;
        case 1:
            return WindowsFamily::WindowsXp;
        case 2:
            return ClassifyNt52(facts);
        default:
            return WindowsFamily::None;
        }
    }
    if (facts.major == 6) {
        if (facts.minor >= 1)
            return WindowsFamily::Windows7;
        if (!facts.extended)
            return WindowsFamily::None;
        return facts.productType == kProductWorkstation ? WindowsFamily::WindowsVista
                                                        : WindowsFamily::WindowsServer2008;
    }
    return WindowsFamily::None;
}

} // namespace

std::optional<WindowsFamily> ClassifyWindowsVersion(const WindowsVersionFacts& facts) {
    switch (facts.platformId) {
    case kPlatformWin32s:
    case kPlatformWindows:
        return WindowsFamily::None;
    case kPlatformNt:
        return ClassifyNt(facts);
    default:
        return std::nullopt;
    }
}

Bitness ClassifyBitness(const BitnessFacts& facts) {
    if (!facts.nativeSystemInfo)
        return Bitness::Unknown;
    switch (facts.nativeArchitecture) {
    case kArchitectureX86:
        return facts.wow64 ? Bitness::Bits64 : Bitness::Bits32;
    case kArchitectureIa64:
    case kArchitectureAmd64:
    // Windows on Arm runs 32-bit x86 programs (this launcher, the utility) as 64-bit Windows on
    // x64 does: its items count as the 64-bit system's.
    case kArchitectureArm64:
        return Bitness::Bits64;
    default:
        return Bitness::Unknown;
    }
}

OsMask OsMaskOf(std::optional<WindowsFamily> family, Bitness bitness) {
    using namespace os_mask;
    if (!family)
        return 0;
    OsMask bits32 = 0;
    OsMask bits64 = 0;
    switch (*family) {
    case WindowsFamily::None:
        return 0;
    case WindowsFamily::Windows2000:
        return kWindows2000;
    case WindowsFamily::WindowsXp:
        bits32 = kWindowsXp32;
        bits64 = kWindowsXp64;
        break;
    case WindowsFamily::WindowsVista:
        bits32 = kWindowsVista32;
        bits64 = kWindowsVista64;
        break;
    case WindowsFamily::WindowsServer2003:
        bits32 = kWindowsServer2003_32;
        bits64 = kWindowsServer2003_64;
        break;
    case WindowsFamily::WindowsServer2008:
        bits32 = kWindowsServer2008_32;
        bits64 = kWindowsServer2008_64;
        break;
    case WindowsFamily::Windows7:
        bits32 = kWindows7_32;
        bits64 = kWindows7_64;
        break;
    }
    switch (bitness) {
    case Bitness::Bits32:
        return bits32;
    case Bitness::Bits64:
        return bits64;
    case Bitness::Unknown:
        break;
    }
    return 0;
}
