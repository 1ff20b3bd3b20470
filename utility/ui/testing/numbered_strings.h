// Test support: a string table that answers "s<id>" for every id but those a test gives a text
// of its own (a message with its "%s", say).
#pragma once

#include "utility/ui/string_table.h"

#include <map>

class NumberedStrings : public StringTable {
  public:
    std::string Load(std::uint32_t id) const override {
        if (const auto given = texts.find(id); given != texts.end())
            return given->second;
        std::string text = "s"; // appended, not "s" + ...: GCC 12 warns falsely on the latter
        return text += std::to_string(id);
    }

    std::map<std::uint32_t, std::string> texts;
};
