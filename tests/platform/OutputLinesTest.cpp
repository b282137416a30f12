// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputLines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(OutputLines, JoinsALineSplitBetweenTwoReads)
{
    OutputLines lines;
    EXPECT_EQ(lines.feed("frame=12 fps=25 si"), Lines{});
    EXPECT_EQ(lines.feed("ze=10kB time=1.00 \nframe=13"), Lines{"frame=12 fps=25 size=10kB time=1.00 "});
    EXPECT_EQ(lines.finish(), "frame=13");
    EXPECT_EQ(lines.finish(), std::nullopt);
}

TEST(OutputLines, EndsLinesAtLineFeedsCarriageReturnsAndBoth)
{
    OutputLines lines;
    EXPECT_EQ(lines.feed("a\nb\r\nc\rd\n\ne"), (Lines{"a", "b", "c", "d", ""}));
    EXPECT_EQ(lines.finish(), "e");
}

TEST(OutputLines, KeepsACarriageReturnAndLineFeedSplitBetweenReadsAsOneEnd)
{
    OutputLines lines;
    EXPECT_EQ(lines.feed("one\r"), Lines{"one"});
    EXPECT_EQ(lines.feed("\ntwo\n"), Lines{"two"});
}

} // namespace
