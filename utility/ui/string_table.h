// The program's string table as models see it: texts by string id, in the language the
// system's resource loader picks. The Windows build loads them from the resources; tests use a
// table of their own.
#pragma once

#include <cstdint>
#include <string>

class StringTable {
  public:
    virtual ~StringTable() = default;
    // The whole text of string `id`; empty for an unknown id.
    virtual std::string Load(std::uint32_t id) const = 0;
};
