#include "core/TimeLeft.h"

#include <gtest/gtest.h>

namespace {

// One job of 100 s encoded at an even pace in 80 s, then a tail of 20 s
// (the end of the output and its check): the estimate counts the tail
// before any job has taught its share, and then learns it.
TEST(TimeLeft, CountsTheTailAfterTheEncoderAndLearnsItsShare)
{
    TimeLeft batch({100, 100}, 0);
    EXPECT_EQ(batch.secondsLeft(1), std::nullopt);
    batch.runStarted(0, 1, false, 0);
    batch.progressed(0, 50, 40);
    // Half the encoding of half the batch: 40 s for (1 - 0.12) / 4 of it.
    EXPECT_EQ(batch.secondsLeft(40), 142);
    batch.progressed(0, 100, 80);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    // The tail is under way: it is not over at once, nor does its wait make the estimate grow.
    const auto atEncoded = batch.secondsLeft(80);
    const auto inTail = batch.secondsLeft(90);
    ASSERT_TRUE(atEncoded && inTail);
    EXPECT_GT(*atEncoded, 100);
    EXPECT_LE(*inTail, *atEncoded);
    batch.jobEnded(0, 100);
    // The first job took 100 s, a fifth of it the tail: the second will take as long.
    batch.runStarted(1, 1, false, 100);
    batch.progressed(1, 50, 140);
    EXPECT_EQ(batch.secondsLeft(140), 60);
    // A second attempt starts its work afresh; a thumbnail run ends the encoding.
    batch.runStarted(1, 2, false, 140);
    EXPECT_DOUBLE_EQ(batch.batchDone(), 0.5);
    batch.progressed(1, 90, 200);
    batch.runStarted(1, 1, true, 210);
    EXPECT_LT(*batch.secondsLeft(215), *batch.secondsLeft(210) + 1);
}

} // namespace
