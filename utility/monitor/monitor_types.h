// Basic types of the monitor layer, shared by the parsers, the VCP layer and the simulator.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

// A physical-monitor handle as the monitor-configuration service hands it out (a HANDLE).
using PhysicalHandle = void*;
// A desktop monitor (an HMONITOR).
using DesktopMonitor = void*;

// VCP code -> allowed value; -1 means "listed without a value list" (any value).
using CapabilityCodes = std::multimap<std::uint8_t, std::int32_t>;

// (vendor page, code), ordered by page then code.
using VendorKey = std::pair<std::uint16_t, std::uint8_t>;
// (vendor page, code) -> allowed value; -1 as above.
using VendorPageMap = std::multimap<VendorKey, std::int32_t>;

inline constexpr std::int32_t kAnyValue = -1;
