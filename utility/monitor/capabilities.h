// Parsers for the two bracketed texts a monitor supplies: the MCCS capabilities string (only its
// "vcp(...)" list is used) and the maker's vendor page list. Both gate every VCP operation.
#pragma once

#include "utility/monitor/monitor_types.h"

#include <string_view>

// Adds the codes of the "vcp(...)" list to `codes`. Fails on an empty text, a text without
// "vcp(", or one that lacks either the ")mswhql" or the ")mccs_ver" marker. Entries added before
// a failure stay.
bool ParseCapabilities(std::string_view text, CapabilityCodes& codes);

// Adds the entries of a vendor page list such as "10(e2 e3)30(e2(00 01) e3)" to `pages`. Only an
// empty text fails.
bool ParseVendorPages(std::string_view text, VendorPageMap& pages);

// True when some entry of `key` has value -1 (any) or exactly `value`; asking with `value` -1 is
// true as soon as the key has any entry.
bool Contains(const CapabilityCodes& codes, std::uint8_t key, std::int32_t value);
bool Contains(const VendorPageMap& pages, VendorKey key, std::int32_t value);
