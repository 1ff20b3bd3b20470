// The program's string table from its resources, in the language the system picks.
#pragma once

#include "framework/res_string_win.h"
#include "utility/ui/string_table.h"

class ResourceStrings : public StringTable {
  public:
    std::string Load(std::uint32_t id) const override { return LoadResString(id); }
};
