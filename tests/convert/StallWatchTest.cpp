// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/StallWatch.h"

#include <gtest/gtest.h>

namespace {

// Eight ticks without progress fire the watch: progress is any movement of
// the frame count, the reported time or the output size; nothing reported
// at all is no progress either.
TEST(StallWatch, FiresAfterEightTicksWithoutProgressOnceProgressWasReported)
{
    const struct {
        const char* situation;
        bool frames, framesMove, time, timeMoves, size, sizeGrows, fires;
    } cases[] = {
        {"nothing reported", false, false, false, false, false, false, true},
        {"audio moving", false, false, true, true, true, true, false},
        {"audio stuck", false, false, true, false, true, false, true},
        {"video stuck", true, false, true, false, true, false, true},
        {"unreadable frame counts, time moving", true, false, true, true, false, false, false},
        {"a flush: frames and time still, the size growing", true, false, true, false, true, true, false},
        {"a palette pass: no frames, the time moving", false, false, true, true, true, false, false},
    };
    for (const auto& c : cases) {
        StallWatch watch;
        watch.begin();
        for (int tick = 1; tick <= 20; ++tick) {
            if (c.frames)
                watch.noteFrames(c.framesMove ? std::to_string(tick) : "5");
            if (c.time)
                watch.noteTime(c.timeMoves ? tick : 1.0);
            if (c.size)
                watch.noteSize(c.sizeGrows ? std::to_string(tick * 100) : "0");
            watch.tick();
        }
        watch.end();
        EXPECT_EQ(watch.fired(), c.fires) << c.situation;
    }
}

} // namespace
