// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mends a damaged or joined file's clock on one stream's way in, before its
// frames reach the filters. A jump ahead by more than ten seconds (a flipped
// bit, a joined file) is closed up, so no span of hours is filled with
// copies or silence; a jump back is closed up too. Pictures close up a jump
// back of more than a second and keep their place after it; sound that
// jumps back is read as the continuous sound it is: it carries on where the
// sound before it ended, with nothing inserted for the jump.
#include <cstdint>

extern "C" {
#include <libavutil/rational.h>
}

namespace ridod2e {

class ClockMender {
public:
    enum class Kind { Pictures, Sound };

    // timelineStart: where the output's timeline starts, in the time base.
    ClockMender(Kind kind, AVRational timeBase, int64_t timelineStart);

    // The frame's timestamp moved onto the mended clock; duration: how long
    // the frame lasts, in the time base (0 when unknown).
    int64_t mend(int64_t pts, int64_t duration);

    // The input is read again from its beginning: the clock starts afresh.
    void restart();

private:
    Kind kind_;
    int64_t timelineStart_;
    int64_t longestGap_;
    int64_t longestStepBack_;
    bool started_ = false;
    int64_t closedUp_ = 0;  // taken out of the clock by closed gaps
    int64_t next_ = 0;      // where the frames so far end
};

} // namespace ridod2e
