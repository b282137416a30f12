// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IdleCores.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Stat(int idle, int busy)
{
    // Two processors; idle and iowait count as idle, the rest as busy.
    return "cpu  " + std::to_string(busy) + " 0 0 " + std::to_string(idle) + " 0 0 0 0 0 0\n"
        + "cpu0 0 0 0 0 0 0 0 0 0 0\ncpu1 0 0 0 0 0 0 0 0 0 0\nintr 1 2 3\n";
}

TEST(IdleCores, TheIdleShareOfTheTicksSinceTheLastReadingTimesTheProcessors)
{
    TempDir dir;
    const std::string path = dir.write("stat", Stat(1000, 1000)).string();
    platform::IdleCores meter(path);
    dir.write("stat", Stat(1150, 1050)); // 150 of 200 ticks idle
    EXPECT_DOUBLE_EQ(meter.sinceLast(), 1.5);
    EXPECT_DOUBLE_EQ(meter.sinceLast(), 0.0); // nothing moved
    dir.write("stat", "garbage");
    EXPECT_DOUBLE_EQ(meter.sinceLast(), 0.0);
    EXPECT_DOUBLE_EQ(platform::IdleCores("/no/such/file").sinceLast(), 0.0);
}

} // namespace
