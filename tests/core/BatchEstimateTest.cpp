// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BatchEstimate.h"
#include "core/BatchStatusText.h"

#include <gtest/gtest.h>

namespace {

TEST(BatchEstimate, WeighsJobsByDurationAndJudgesThePaceOnceThereIsEnough)
{
    // 60 s, 180 s and one of unknown length, which weighs the mean: 120 s.
    BatchEstimate batch({60, 180, 0});
    EXPECT_EQ(batch.jobCount(), 3);
    EXPECT_EQ(batch.secondsLeft(100), std::nullopt);
    batch.setJobDone(0, 1.0);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 60.0 / 360);
    EXPECT_EQ(batch.secondsLeft(2), std::nullopt) << "too early to judge";
    EXPECT_EQ(batch.secondsLeft(30), 150);
    batch.setJobDone(1, 0.5);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 150.0 / 360);
    EXPECT_EQ(batch.secondsLeft(75), 105);
    // A retried job starts again; parts outside 0 to 1 and jobs outside the batch are held or ignored.
    batch.setJobDone(1, 0.0);
    batch.setJobDone(2, 7.0);
    batch.setJobDone(5, 1.0);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 180.0 / 360);
    EXPECT_DOUBLE_EQ(BatchEstimate({0, 0}).batchDone(), 0.0);
}

TEST(BatchEstimate, ReadsDurationCells)
{
    const std::pair<const char*, double> cells[] = {
        {"00:01:30", 90}, {"01:02:03", 3723}, {"", 0}, {"03:25", 0}, {"Unknown", 0}, {"00:01:30x", 0}};
    for (const auto& [cell, seconds] : cells)
        EXPECT_EQ(BatchEstimate::DurationCellSeconds(cell), seconds) << cell;
}

TEST(BatchStatusText, ReadsAsTheWindowShowsIt)
{
    EXPECT_EQ(ConvertingText(2, 5), "Converting 2 of 5");
    EXPECT_EQ(TimeLeftText(754), "12:34 left");
    EXPECT_EQ(TimeLeftText(5), "0:05 left");
    EXPECT_EQ(TimeLeftText(3723), "1:02:03 left");
    EXPECT_EQ(TimeLeftText(std::nullopt), "\u2014");
    EXPECT_EQ(TitleWithPercent(37, "Vantorel"), "37% \u2013 Vantorel");
    EXPECT_EQ(BatchSummaryText(5, 1, 0), "5 converted, 1 failed");
    EXPECT_EQ(BatchSummaryText(2, 0, 3), "2 converted, 0 failed, 3 not converted");
}

} // namespace
