// The real libpanq.dll on a desktop without the maker's monitors: it searches, finds nothing and
// refuses every record, without touching the caller's buffer.
#include "libpanq/libpanq.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

TEST(LibpanqDll, FindsNoMakerMonitorOnThisDesktop) {
    int count = -1;
    EXPECT_EQ(PnqFindMonitors(&count, PNQ_FIND_RESCAN), PNQ_OK);
    EXPECT_EQ(count, 0);
    count = -1;
    EXPECT_EQ(PnqFindMonitors(&count, 0), PNQ_OK);
    EXPECT_EQ(count, 0);

    std::array<std::uint8_t, PNQ_MONITOR_INFO_SIZE + 4> record;
    record.fill(0xAB);
    EXPECT_LT(PnqGetMonitorInfo(0, record.data(), 0), 0);
    for (std::uint8_t byte : record)
        ASSERT_EQ(byte, 0xAB);
}

TEST(LibpanqDll, RefusesBadArguments) {
    EXPECT_EQ(PnqFindMonitors(nullptr, PNQ_FIND_RESCAN), PNQ_E_ARGUMENT);
    std::array<std::uint8_t, PNQ_MONITOR_INFO_SIZE> record{};
    EXPECT_EQ(PnqGetMonitorInfo(-1, record.data(), 0), PNQ_E_ARGUMENT);
    EXPECT_EQ(PnqGetMonitorInfo(0, nullptr, 0), PNQ_E_ARGUMENT);
}

} // namespace
