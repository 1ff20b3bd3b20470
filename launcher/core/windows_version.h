// Which Windows the launcher runs on, reduced to the one OsMask bit that items are checked
// against. The Windows side gathers the raw facts (version record, system metrics, processor
// architecture, WOW64 state); everything decided from them lives here and is platform-free.
#pragma once

#include "launcher/core/os_mask.h"

#include <cstdint>
#include <optional>

// Families the launcher knows. None is a system it recognises but supports no item on (Win32s,
// Windows 9x, NT 4 and earlier, and versions outside the table).
enum class WindowsFamily {
    None,
    Windows2000,
    WindowsXp,
    WindowsServer2003,
    WindowsVista,
    WindowsServer2008,
    Windows7,
};

enum class Bitness { Unknown, Bits32, Bits64 };

// Platform ids and values of the version record and system information that the rules use.
namespace windows_ids {
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows = 1; // Windows 95, 98, Me
inline constexpr std::uint32_t kPlatformNt = 2;
inline constexpr std::uint8_t kProductWorkstation = 1;
inline constexpr std::uint16_t kSuiteWhServer = 0x2000; // Windows Home Server
inline constexpr std::uint16_t kArchitectureX86 = 0;
inline constexpr std::uint16_t kArchitectureIa64 = 6;
inline constexpr std::uint16_t kArchitectureAmd64 = 9;
inline constexpr std::uint16_t kArchitectureArm64 = 12;
} // namespace windows_ids

// What the Windows side read about the running system. The fields after `extended` come from the
// extended version record and mean nothing when `extended` is false.
struct WindowsVersionFacts {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    // True when the extended version record could be read (the first, larger query succeeded).
    bool extended = false;
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;
    // GetSystemMetrics(SM_SERVERR2) was non-zero.
    bool serverR2 = false;
    // From the native system information when available, otherwise the process's own view.
    std::uint16_t processorArchitecture = 0;
};

// The family of the system described by `facts`, or nothing when the platform id is not one of
// Win32s, Windows 9x or NT (the caller then treats the check as failed). Versions newer than the
// table stop at what it knows: NT 6.1 and any higher minor count as Windows 7, a major version
// above 6 is None.
std::optional<WindowsFamily> ClassifyWindowsVersion(const WindowsVersionFacts& facts);

// What the Windows side learnt for the bitness test.
struct BitnessFacts {
    // GetNativeSystemInfo could be found; without it the bitness is unknown.
    bool nativeSystemInfo = false;
    std::uint16_t nativeArchitecture = 0;
    // IsWow64Process exists, succeeded and reported true.
    bool wow64 = false;
};

Bitness ClassifyBitness(const BitnessFacts& facts);

// The single OsMask bit of a system of `family` and `bitness`, or 0 on a failed check, family
// None or (for anything but Windows 2000, which has no 64-bit edition) unknown bitness.
OsMask OsMaskOf(std::optional<WindowsFamily> family, Bitness bitness);

// True for the NT platform id.
inline constexpr bool IsNtPlatform(std::uint32_t platformId) {
    return platformId == windows_ids::kPlatformNt;
}
