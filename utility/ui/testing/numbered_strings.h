// Test support: a string table that answers "s<id>" for every id.
#pragma once

#include "utility/ui/string_table.h"

class NumberedStrings : public StringTable {
  public:
    std::string Load(std::uint32_t id) const override {
        std::string text = "s"; // appended, not "s" + ...: GCC 12 warns falsely on the latter
        return text += std::to_string(id);
    }
};
