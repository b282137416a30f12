// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Orientation.h"

#include <cmath>

extern "C" {
#include <libavutil/display.h>
}

namespace ridod2e {
namespace {

bool Near(double angle, double target)
{
    return std::fabs(angle - target) < 1.0;
}

} // namespace

Orientation OrientationOf(const AVStream* stream)
{
    size_t size = 0;
    const uint8_t* data = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (!data || size < 9 * sizeof(int32_t))
        return {};
    return OrientationOf(reinterpret_cast<const int32_t*>(data));
}

Orientation OrientationOf(const int32_t* m)
{
    // The matrix turns counter-clockwise; players name the clockwise turn.
    const double counter = av_display_rotation_get(m);
    if (std::isnan(counter))
        return {};
    double angle = -std::round(counter);
    angle -= 360 * std::floor(angle / 360 + 0.9 / 360);
    Orientation o;
    // A mirrored matrix shows in the signs of its entries: the steps below
    // undo the turn and the flip together.
    if (Near(angle, 90)) {
        o.clockwise = 90;
        o.mirrored = m[3] > 0;
        o.filters = o.mirrored ? "transpose=cclock_flip" : "transpose=clock";
    } else if (Near(angle, 270)) {
        o.clockwise = 270;
        o.mirrored = m[3] < 0;
        o.filters = o.mirrored ? "transpose=clock_flip" : "transpose=cclock";
    } else if (Near(angle, 180)) {
        const bool horizontal = m[0] < 0;
        const bool vertical = m[4] < 0;
        o.clockwise = vertical ? 180 : 0;
        o.mirrored = horizontal != vertical;
        o.filters = std::string(horizontal ? "hflip" : "") + (horizontal && vertical ? "," : "") + (vertical ? "vflip" : "");
    } else if (Near(angle, 0) && m[4] < 0) {
        o.clockwise = 180;
        o.mirrored = true;
        o.filters = "vflip";
    }
    return o;
}

FrameDimensions Upright(FrameDimensions stored, const Orientation& orientation)
{
    return orientation.swapsSides() ? FrameDimensions {stored.height, stored.width} : stored;
}

AVRational Upright(AVRational pixelAspect, const Orientation& orientation)
{
    if (!orientation.swapsSides() || pixelAspect.num <= 0 || pixelAspect.den <= 0)
        return pixelAspect;
    return {pixelAspect.den, pixelAspect.num};
}

} // namespace ridod2e
