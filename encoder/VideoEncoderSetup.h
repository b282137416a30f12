// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chooses and opens the video encoder for a request: the codec (the
// command-line name, else the container's own), the frame geometry, the
// pixel format and frame rate the codec accepts, and the rate control.
#include "encoder/EncodeRequest.h"
#include "encoder/FrameGeometry.h"
#include "encoder/HdrMetadata.h"
#include "encoder/StreamEncoder.h"

#include <memory>

namespace ridod2e {

struct VideoEncoding {
    std::unique_ptr<StreamEncoder> encoder;
    FrameGeometry geometry;
    AVPixelFormat format = AV_PIX_FMT_NONE;
    AVRational frameRate {25, 1};
    AVRational pixelAspect {0, 1};  // set on every picture; {0, 1}: the source's own
    std::string sourceSteps;        // the filters that turn the picture upright and map its colour
    bool keepsHdr = false;          // the output stays HDR, with the source's mastering metadata
    HdrMetadata hdr;
};

// Fails with "Unsupported codec" when the name has no video encoder, and
// with a reason when the codec cannot take the picture.
VideoEncoding OpenVideoEncoder(const EncodeRequest& request, AVFormatContext* input, AVStream* source,
                               const AVOutputFormat* muxer);

// Frame rates: the most a device format's player shows (their lists end at
// 30 fps), and the most a rate can be.
inline constexpr double DeviceHighestRate = 30;
inline constexpr double HighestRate = 1000;

// Without -r: the input's own rate, when it is a sensible one. A rate above
// the highest (a high-speed clip, 60 fps for a device) gets half, a third...
// of it, so that the pictures dropped are spread evenly, when that leaves at
// least two thirds of the highest; else the highest itself, dropping a
// picture now and then.
AVRational InputFrameRate(AVFormatContext* input, AVStream* source, double highest);

} // namespace ridod2e
