// What the Auto Veltone page's files share: the texts it shows and its lists' lookups.
#pragma once

#include "utility/pages/color_page_model.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vton_page {

inline constexpr std::uint32_t kAskSaveId = 117;
inline constexpr std::uint32_t kAskDeleteId = 120;
inline constexpr std::uint32_t kDeleteFailedId = 121;
inline constexpr std::uint32_t kAppliedOnlyToId = 196;

// The item of `items` whose data is `data`, -1 when none.
inline int IndexOfData(const std::vector<ModeItem>& items, int data) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].mode == data)
            return static_cast<int>(i);
    }
    return -1;
}

// The item whose text is exactly `text`, -1 when none.
inline int IndexOfText(const std::vector<ModeItem>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == text)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace vton_page
