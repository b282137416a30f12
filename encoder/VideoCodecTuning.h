// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of the video codecs that pick their own quantisers (H.264,
// H.265, AV1, VP9): the constant-quality factor (-crf) and the speed preset
// (-preset). VP9 also codes its rows in parallel, and H.265 in MP4 carries
// the tag that Apple's players look for.
#include "encoder/EncodeRequest.h"
#include "encoder/Libav.h"
#include "encoder/StreamEncoder.h"

namespace ridod2e {

// Codecs whose quality is a factor of their own rather than a quantiser.
bool HasQualityFactor(const AVCodec* codec);

// Constant quality, for a request without a bitrate: -crf, else (H.264)
// -qscale, else the codec's usual factor.
void SetQualityFactor(AVCodecContext& context, const AVCodec* codec, const EncodeRequest& request,
                      Dictionary& options);

// The speed preset, the row threads and the container tag. Fails when -crf
// or -preset is given for a codec that takes neither, or the preset is not
// one the codec knows.
void TuneVideoCodec(const AVCodec* codec, const EncodeRequest& request, const AVOutputFormat* muxer,
                    Dictionary& options, ContainerOverride& override);

} // namespace ridod2e
