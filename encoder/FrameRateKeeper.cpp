// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FrameRateKeeper.h"

#include <cmath>

namespace ridod2e {

FrameRateKeeper::FrameRateKeeper(AVRational rate) : rate_(av_q2d(rate)) {}

FrameRateKeeper::Slots FrameRateKeeper::place(double seconds)
{
    return take(std::llround(seconds * rate_) - closedUp_);
}

FrameRateKeeper::Slots FrameRateKeeper::placeNext()
{
    return take(next_);
}

FrameRateKeeper::Slots FrameRateKeeper::take(int64_t slot)
{
    const auto longestGap = static_cast<int64_t>(std::ceil(rate_ * 10));
    const auto longestStepBack = static_cast<int64_t>(std::ceil(rate_));
    if (slot - next_ > longestGap || next_ - slot > longestStepBack) {
        closedUp_ += slot - next_;
        slot = next_;
    }
    if (slot < next_)
        return {next_, 0};
    const Slots slots {next_, slot - next_ + 1};
    next_ = slot + 1;
    return slots;
}

} // namespace ridod2e
