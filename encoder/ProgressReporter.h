// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prints a progress report at least every half second while the work goes
// on, and once at the end. The time it reports keeps moving also in phases
// that write nothing, so that a watcher sees the work go on: before the
// output begins (a seek to the start, the encoders' first pictures) it is
// where the input has got to, up to the start; a job whose pictures are all
// read once before the first is encoded (GIF, whose palette for the whole
// clip a first pass gathers; a loudness target, measured in a first pass)
// counts that pass as the first half of its time and reports no frame count
// until its first picture.
#include "encoder/Console.h"

#include <chrono>
#include <optional>

namespace ridod2e {

class ProgressReporter {
public:
    ProgressReporter(Console& console, bool video, bool inputReadTwice = false);

    // Where the input has got to, in seconds of the output's timeline
    // (below 0 before its start).
    void reached(double inputSeconds);
    // Reports when the last report is nearly half a second old. `seconds`
    // is how much of the output is written.
    void tick(int64_t frames, double quality, int64_t bytes, double seconds);
    void last(int64_t frames, double quality, int64_t bytes, double seconds);

private:
    using Clock = std::chrono::steady_clock;
    void report(int64_t frames, double quality, int64_t bytes, double seconds, bool last);
    double timeShown(double outputSeconds) const;

    Console& console_;
    bool video_;
    bool inputReadTwice_;
    Clock::time_point started_;
    Clock::time_point lastReport_;
    std::optional<double> reached_;
};

} // namespace ridod2e
