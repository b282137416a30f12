#include "core/BatchTally.h"

#include <gtest/gtest.h>

namespace {

TEST(BatchTally, TheClosingMessageNamesTheCountsUnlessEveryJobIsDone)
{
    const struct {
        BatchTally tally;
        const char* message;
    } cases[] = {
        {{3, 0, 0}, "All Conversion Jobs Done!"},
        {{0, 0, 0}, "All Conversion Jobs Done!"},
        {{4, 0, 2}, "4 files converted, 2 failed. See the conversion log."},
        {{1, 1, 0}, "1 file converted, 1 incomplete. See the conversion log."},
        {{0, 2, 1}, "0 files converted, 2 incomplete, 1 failed. See the conversion log."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.tally.closingMessage(), c.message);
}

} // namespace
