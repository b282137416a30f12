// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a player turns a video stream's pictures: a phone stores its pictures
// as the sensor sees them and says in a display matrix how far to turn them
// (and whether to mirror them). The conversion turns them upright before
// anything else, so sizes and bars are worked out on the picture a player
// shows, and the output needs no matrix.
#include "encoder/EncodeRequest.h"

#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace ridod2e {

struct Orientation {
    int clockwise = 0;     // 0, 90, 180 or 270 degrees
    bool mirrored = false; // flipped left to right, then turned
    std::string filters;   // libavfilter's steps that make the picture upright; empty when it is

    bool upright() const { return filters.empty(); }
    bool swapsSides() const { return clockwise == 90 || clockwise == 270; }
};

// From the stream's display matrix; upright when it has none or turns by an
// angle other than a quarter turn.
Orientation OrientationOf(const AVStream* stream);
Orientation OrientationOf(const int32_t* displayMatrix);

// The stored size and pixel shape as a player shows them.
FrameDimensions Upright(FrameDimensions stored, const Orientation& orientation);
AVRational Upright(AVRational pixelAspect, const Orientation& orientation);

} // namespace ridod2e
