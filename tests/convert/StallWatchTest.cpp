#include "convert/StallWatch.h"

#include <gtest/gtest.h>

namespace {

// Eight ticks without progress fire the watch: progress is the frame count
// or, where there is none (audio), the reported time.
TEST(StallWatch, FiresAfterEightTicksWithoutProgressOnceProgressWasReported)
{
    const struct {
        const char* situation;
        bool frames, framesMove, time, timeMoves, fires;
    } cases[] = {
        {"nothing reported", false, false, false, false, false},
        {"audio moving", false, false, true, true, false},
        {"audio stuck", false, false, true, false, true},
        {"video stuck", true, false, true, false, true},
        {"unreadable frame counts, time moving", true, false, true, true, false},
    };
    for (const auto& c : cases) {
        StallWatch watch;
        watch.begin();
        for (int tick = 1; tick <= 20; ++tick) {
            if (c.frames)
                watch.noteFrames(c.framesMove ? std::to_string(tick) : "5");
            if (c.time)
                watch.noteTime(c.timeMoves ? tick : 1.0);
            watch.tick();
        }
        watch.end();
        EXPECT_EQ(watch.fired(), c.fires) << c.situation;
    }
}

} // namespace
