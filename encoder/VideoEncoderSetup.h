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
    std::string sourceSteps;        // the filters that turn the picture upright, crop it and map its colour
    bool keepsHdr = false;          // the output stays HDR, with the source's mastering metadata
    HdrMetadata hdr;
};

// Fails with "Unsupported codec" when the name has no video encoder, and
// with a reason when the codec cannot take the picture.
VideoEncoding OpenVideoEncoder(const EncodeRequest& request, AVFormatContext* input, AVStream* source,
                               const AVOutputFormat* muxer);

// Without -r: the input's own rate, when it is a sensible one. A high-speed
// clip (more than 120 pictures a second) keeps its rate where highSpeed
// says the codec and container take it; otherwise it gets half, a third...
// of it, so the pictures dropped are spread evenly.
AVRational InputFrameRate(AVFormatContext* input, AVStream* source, bool highSpeed = false);

} // namespace ridod2e
