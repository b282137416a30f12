#pragma once
// Prints a progress report at least every half second while the work goes
// on, and once at the end. A job whose pictures are all gathered before the
// first is encoded (GIF, with one palette for the clip) reports no frame
// count until then: a count standing still at 0 would look like a stall.
#include "encoder/Console.h"

#include <chrono>

namespace ridod2e {

class ProgressReporter {
public:
    ProgressReporter(Console& console, bool video, bool picturesGatheredFirst = false);

    // Reports when the last report is nearly half a second old.
    void tick(int64_t frames, double quality, int64_t bytes, double seconds);
    void last(int64_t frames, double quality, int64_t bytes, double seconds);

private:
    using Clock = std::chrono::steady_clock;
    void report(int64_t frames, double quality, int64_t bytes, double seconds, bool last);

    Console& console_;
    bool video_;
    bool picturesGatheredFirst_;
    Clock::time_point started_;
    Clock::time_point lastReport_;
};

} // namespace ridod2e
