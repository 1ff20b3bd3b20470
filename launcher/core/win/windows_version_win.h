// The launcher's environment checks on the running Windows: the facts read from the system,
// and the checks built on them with the portable rules of windows_version.h.
#pragma once

#include "launcher/core/windows_version.h"

#include <cstdint>
#include <optional>
#include <string>

// The version record (extended when the system offers it), the R2 metric and the processor
// architecture; nothing when GetVersionExW fails with both record sizes.
std::optional<WindowsVersionFacts> ReadWindowsVersionFacts();

// GetNativeSystemInfo and IsWow64Process, both looked up at run time.
BitnessFacts ReadBitnessFacts();

// The family of the running system; a failure after "Failed to check OS version." was shown.
std::optional<WindowsFamily> ClassifyWindowsVersion();

Bitness GetOsBitness();

// The single OsMask bit of the running system, or 0; read afresh at each call.
OsMask GetCurrentOsMask();

// True on the NT family.
bool IsWindowsNT();

// The high half of the file version in the fixed version information of `fileName`, or 0 when
// the file has none or it cannot be read.
std::uint32_t GetFileVersionMS(const std::wstring& fileName);
