#pragma once
// Where the picture goes in the output frame: scaled to the requested size
// (or kept at the source size), with bars of the requested thicknesses
// around it. Encoders of 4:2:0 pictures need even sizes: an odd size becomes
// the even size just below it, taken from a bar where there is one.
#include "encoder/EncodeRequest.h"

#include <optional>
#include <string>

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
