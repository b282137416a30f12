#include "core/TimeLeft.h"

#include <gtest/gtest.h>

namespace {

// Two jobs of 100 s, each encoded at an even pace in 80 s and followed by a
// tail of 10 s (the end of the output, its check): the estimate counts the
// tail before any job has taught its length, and then learns it.
TEST(TimeLeft, CountsEachJobsTailAndLearnsItsLength)
{
    TimeLeft batch({100, 100}, 0);
    EXPECT_EQ(batch.secondsLeft(1), std::nullopt);
    batch.runStarted(0, 1, false, 0);
    batch.progressed(0, 50, 40);
    // 40 s for half a job: 40 + 80 s of encoding left, and two tails of 3 s.
    EXPECT_EQ(batch.secondsLeft(40), 126);
    batch.progressed(0, 100, 80);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    // The tail is under way: it is not over at once, nor does it run out early.
    EXPECT_EQ(batch.secondsLeft(80), 86);
    EXPECT_EQ(batch.secondsLeft(85), 83);
    batch.jobEnded(0, 90);
    batch.runStarted(1, 1, false, 90);
    batch.progressed(1, 50, 130);
    // 40 s of encoding and the learnt 10 s tail.
    EXPECT_EQ(batch.secondsLeft(130), 50);
    // A second attempt starts its work afresh; a thumbnail run ends the encoding.
    batch.runStarted(1, 2, false, 130);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    batch.progressed(1, 90, 200);
    batch.runStarted(1, 1, true, 210);
    EXPECT_EQ(batch.secondsLeft(210), 10);
}

// Jobs that run at the same time share the wait.
TEST(TimeLeft, JobsAtTheSameTimeShareTheWait)
{
    TimeLeft batch({60, 60, 60, 60}, 0);
    batch.runStarted(0, 1, false, 0);
    batch.runStarted(1, 1, false, 0);
    batch.progressed(0, 50, 30);
    batch.progressed(1, 50, 30);
    // 30 s of encoding per half job: 30 + 30 + 60 + 60 s and four 3 s tails, two at a time.
    EXPECT_EQ(batch.secondsLeft(30), 96);
}

} // namespace
