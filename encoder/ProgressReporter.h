#pragma once
// Prints a progress report at least every half second while the work goes
// on, and once at the end.
#include "encoder/Console.h"

#include <chrono>

namespace ridod2e {

class ProgressReporter {
public:
    ProgressReporter(Console& console, bool video);

    // Reports when the last report is nearly half a second old.
    void tick(int64_t frames, double quality, int64_t bytes, double seconds);
    void last(int64_t frames, double quality, int64_t bytes, double seconds);

private:
    using Clock = std::chrono::steady_clock;
    void report(int64_t frames, double quality, int64_t bytes, double seconds, bool last);

    Console& console_;
    bool video_;
    Clock::time_point started_;
    Clock::time_point lastReport_;
};

} // namespace ridod2e
