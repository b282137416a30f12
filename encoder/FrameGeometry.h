// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the picture goes in the output frame: scaled to the requested size
// (or kept at the source size), with bars of the requested thicknesses
// around it. Encoders of 4:2:0 pictures need even sizes: an odd size becomes
// the even size just below it, taken from a bar where there is one.
#include "encoder/EncodeRequest.h"

#include <optional>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

namespace ridod2e {

struct FrameGeometry {
    int pictureWidth = 0;
    int pictureHeight = 0;
    Padding bars;

    int frameWidth() const { return pictureWidth + bars.left + bars.right; }
    int frameHeight() const { return pictureHeight + bars.top + bars.bottom; }
    bool hasBars() const { return bars.top || bars.bottom || bars.left || bars.right; }
};

FrameGeometry PlanGeometry(FrameDimensions source, const std::optional<FrameDimensions>& size, const Padding& bars,
                           bool evenSizes);

// The output's sample aspect ratio; {0, 1}: the source's own, unchanged.
// Bars mean that the picture was already placed for square pixels. A
// picture of non-square pixels scaled to a requested size keeps its display
// aspect: its pixels take the shape that gives it. A picture of square (or
// unknown) pixels is stretched to the size asked for, as the size was
// chosen for it.
AVRational OutputPixelAspect(FrameDimensions source, AVRational sourceAspect, const FrameGeometry& geometry,
                             bool resized);

// The pixel shape that keeps the display aspect of a picture asked for at
// `asked` and made even in `geometry` (84x33 as 84x32 with 32:33 pixels):
// `aspect` ({0, 1}: the source's own) widened or narrowed by what the
// rounding took. Unchanged when the size stayed, or bars were planned.
AVRational KeptThroughEvenSize(AVRational aspect, AVRational sourceAspect, FrameDimensions asked,
                               const FrameGeometry& geometry);

// The largest picture of the source's shape (its pixel aspect counted) that
// fits inside the box, larger or smaller than the source; a side of 0 in the
// box is no bound. Both sides even, at least 2.
FrameDimensions FitInside(FrameDimensions source, AVRational pixelAspect, FrameDimensions box);

// The frame sizes that plain H.263 can code, and the wider range that H.263
// version 2 (custom picture format) can.
bool IsStandardH263Size(int width, int height);
bool FitsH263CustomFormat(int width, int height);
std::string StandardH263Sizes();

} // namespace ridod2e
