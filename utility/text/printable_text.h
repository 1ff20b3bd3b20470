// Text that came from a monitor (its EDID, its answers: model names, serial numbers) made safe to
// print: control bytes, DEL and bytes of 0x80 and above become '?', and '"' is escaped, so that
// a line stays one line a script can read and a quoted field ends where it seems to.
#pragma once

#include <string>
#include <string_view>

std::string PrintableText(std::string_view text);
