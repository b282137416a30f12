// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/PictureShape.h"

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

int ClockwiseTurn(const AVStream* stream)
{
    size_t size = 0;
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (matrix == nullptr || size < 9 * sizeof(int32_t))
        return 0;
    // The matrix turns counter-clockwise.
    const double counter = av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix));
    if (std::isnan(counter))
        return 0;
    const long turn = ((-std::lround(counter)) % 360 + 360) % 360;
    return turn % 90 == 0 ? static_cast<int>(turn) : 0;
}

bool IsInterlaced(const AVStream* stream)
{
    const AVFieldOrder order = stream->codecpar->field_order;
    return order != AV_FIELD_UNKNOWN && order != AV_FIELD_PROGRESSIVE;
}

double ShownAspect(const AVStream* stream)
{
    const AVCodecParameters* codec = stream->codecpar;
    if (codec->width <= 0 || codec->height <= 0)
        return 0;
    const AVRational pixel = stream->sample_aspect_ratio.num > 0 ? stream->sample_aspect_ratio : codec->sample_aspect_ratio;
    const double stored = codec->width * (pixel.num > 0 && pixel.den > 0 ? av_q2d(pixel) : 1.0) / codec->height;
    const int turn = ClockwiseTurn(stream);
    return turn == 90 || turn == 270 ? 1 / stored : stored;
}
