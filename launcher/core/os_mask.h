// The set of Windows versions an item of the launcher information file declares ("Support_OS_Info"
// with its "OS" children), and the bit of the running system that is compared with it.
#pragma once

#include <cstdint>
#include <string_view>

// One bit per supported Windows version and bitness; 0 means none of them.
using OsMask = std::uint32_t;

namespace os_mask {

inline constexpr OsMask kWindows2000 = 0x001;
inline constexpr OsMask kWindowsXp32 = 0x002;
inline constexpr OsMask kWindowsXp64 = 0x004;
inline constexpr OsMask kWindowsVista32 = 0x008;
inline constexpr OsMask kWindowsVista64 = 0x010;
inline constexpr OsMask kWindowsServer2003_32 = 0x020;
inline constexpr OsMask kWindowsServer2003_64 = 0x040;
inline constexpr OsMask kWindowsServer2008_32 = 0x080;
inline constexpr OsMask kWindowsServer2008_64 = 0x100;
inline constexpr OsMask kWindows7_32 = 0x200;
inline constexpr OsMask kWindows7_64 = 0x400;

// Every bit but Windows 2000: the running system is Windows XP or later.
inline constexpr OsMask kXpOrLater = 0x7FE;

} // namespace os_mask

// The bits one "OS" element adds: "XP" gives both XP bits, "XP_32" and "XP_64" one each, and so
// on for "Vista", "Server2003", "Server2008" and "7"; "2000" gives the Windows 2000 bit. Names are
// matched exactly, case and blanks included, so an unknown or padded name adds nothing (0).
OsMask OsMaskFromName(std::wstring_view name);
