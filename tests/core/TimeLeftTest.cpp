// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TimeLeft.h"

#include <gtest/gtest.h>

namespace {

// Two jobs of 100 s: 4 s before the encoder's first report, 72 s of
// encoding at an even pace, then a tail of 8 s (the end of the output, its
// check). The estimate counts the head and the tail before any job has
// taught them, and then learns them.
TEST(TimeLeft, CountsEachJobsHeadAndTailAndLearnsThem)
{
    TimeLeft batch({100, 100}, 0);
    EXPECT_EQ(batch.secondsLeft(1), std::nullopt);
    batch.runStarted(0, 1, false, 0);
    batch.progressed(0, 10, 4);
    EXPECT_EQ(batch.secondsLeft(4), std::nullopt) << "no pace yet";
    batch.progressed(0, 50, 36);
    // 0.8 s a unit of work: 40 s of encoding and a tail of a tenth of the
    // run, then the second job: its head, 80 s and its tail.
    EXPECT_EQ(batch.secondsLeft(36), 140);
    batch.progressed(0, 100, 76);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    // The tail is under way: it is not over at once, and it runs down.
    EXPECT_EQ(batch.secondsLeft(76), 100);
    EXPECT_EQ(batch.secondsLeft(80), 96);
    batch.jobEnded(0, 84);
    batch.runStarted(1, 1, false, 84);
    batch.progressed(1, 10, 88);
    batch.progressed(1, 50, 120);
    EXPECT_EQ(batch.secondsLeft(120), 48);
    // A second attempt starts its work afresh; a thumbnail run ends the encoding.
    batch.runStarted(1, 2, false, 120);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    batch.progressed(1, 20, 124);
    batch.progressed(1, 90, 180);
    batch.runStarted(1, 1, true, 190);
    EXPECT_EQ(batch.secondsLeft(190), 11);
}

// Jobs that run at the same time share the wait.
TEST(TimeLeft, JobsAtTheSameTimeShareTheWait)
{
    TimeLeft batch({60, 60, 60, 60}, 0);
    for (int job : {0, 1}) {
        batch.runStarted(job, 1, false, 0);
        batch.progressed(job, 10, 3);
        batch.progressed(job, 50, 27);
    }
    EXPECT_EQ(batch.secondsLeft(27), 105);
}

} // namespace
