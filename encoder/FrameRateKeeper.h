// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns pictures with timestamps into a constant frame rate: each picture
// takes the output slot nearest its time; a picture that finds its slot
// taken is dropped, and a gap is filled by repeating the picture that ends
// it. A damaged or joined file's clock may jump: a jump ahead of more than
// ten seconds (which would make hours of copies) or back by more than one
// second (which would drop everything up to the old time) is closed up
// instead: the picture after the jump takes the next slot, and those after
// it follow on.
#include <cstdint>

extern "C" {
#include <libavutil/rational.h>
}

namespace ridod2e {

class FrameRateKeeper {
public:
    explicit FrameRateKeeper(AVRational rate);

    struct Slots {
        int64_t first = 0;  // output frame number of the first copy
        int64_t count = 0;  // 0: drop the picture
    };

    // Slots for a picture shown at the given seconds (0 or later) of the
    // output timeline; a picture without a time follows the previous one.
    Slots place(double seconds);
    Slots placeNext();

    int64_t next() const { return next_; }

private:
    Slots take(int64_t slot);

    double rate_;
    int64_t next_ = 0;
    int64_t closedUp_ = 0;  // slots taken out of the timeline by closed gaps
};

} // namespace ridod2e
