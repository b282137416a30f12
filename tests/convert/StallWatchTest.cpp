#include "convert/StallWatch.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(StallWatch, FiresAfterEightTicksWithoutProgressOnceProgressWasReported)
{
    const struct {
        const char* situation;
        bool frames;      // frame counts are reported
        bool framesMove;
        bool time;        // times are reported
        bool timeMoves;
        bool fires;
    } cases[] = {
        {"nothing reported", false, false, false, false, false},
        {"audio moving", false, false, true, true, false},
        {"audio stuck", false, false, true, false, true},
        {"video moving", true, true, true, true, false},
        {"video stuck", true, false, true, false, true},
        {"frames without time, stuck", true, false, false, false, true},
        {"frames without time, moving", true, true, false, false, false},
        {"unreadable frame counts, time moving", true, false, true, true, false},
    };
    for (const auto& c : cases) {
        std::string cell;
        StallWatch watch([&cell](int) { return cell; });
        watch.begin(0);
        for (int tick = 1; tick <= 20; ++tick) {
            if (c.frames) {
                cell = c.framesMove ? std::to_string(tick) : "5";
                watch.noteFrames(cell);
            }
            if (c.time)
                watch.noteTime(c.timeMoves ? tick : 1.0);
            watch.tick();
        }
        watch.end();
        EXPECT_EQ(watch.fired(), c.fires) << c.situation;
    }
}

} // namespace
