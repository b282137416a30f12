// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ClockMender.h"

extern "C" {
#include <libavutil/mathematics.h>
}

namespace ridod2e {
namespace {

constexpr AVRational Seconds {1, 1};
// Sound a little behind its predecessor is left to the resampler, which
// lets overlaps below a tenth of a second pass.
constexpr AVRational SoundOverlap {1, 10};

} // namespace

ClockMender::ClockMender(Kind kind, AVRational timeBase, int64_t timelineStart)
    : kind_(kind),
      timelineStart_(timelineStart),
      longestGap_(av_rescale_q(10, Seconds, timeBase)),
      longestStepBack_(kind == Kind::Sound ? av_rescale_q(1, SoundOverlap, timeBase) : av_rescale_q(1, Seconds, timeBase))
{
}

int64_t ClockMender::mend(int64_t pts, int64_t duration)
{
    // On the output's timeline from here on.
    int64_t at = pts - timelineStart_ - closedUp_;
    // The first frame may start before the timeline (it is cut there), but
    // not hours after it.
    const bool leapt = started_ ? at - next_ > longestGap_ : at > longestGap_;
    const bool steppedBack = started_ && next_ - at > longestStepBack_;
    if (leapt || (steppedBack && kind_ == Kind::Pictures)) {
        closedUp_ += at - next_;
        at = next_;
    } else if (steppedBack) {
        at = next_;
    }
    started_ = true;
    next_ = at + duration;
    return at + timelineStart_;
}

void ClockMender::restart()
{
    started_ = false;
    closedUp_ = 0;
    next_ = 0;
}

} // namespace ridod2e
