// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Trim.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

extern "C" {
#include <libavutil/mathematics.h>
}

namespace ridod2e {
std::string SecondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

void CheckStartWithin(const EncodeRequest& request, const InputMedia& input)
{
    const std::optional<double> length = input.summary().duration;
    if (request.trim && length && *length > 0 && request.trim->start >= *length)
        Fail("the start (" + SecondsText(request.trim->start) + ") lies at or past the end of the input ("
             + SecondsText(*length) + ")");
}

std::string NothingAfterStart(const EncodeRequest& request)
{
    return "nothing of the input lies after the start (" + SecondsText(StartSeconds(request)) + ")";
}

std::optional<double> TrimmedLength(const EncodeRequest& request)
{
    if (!request.trim || !request.trim->end)
        return std::nullopt;
    return std::max(0.0, *request.trim->end - StartSeconds(request));
}

int64_t PictureLimit(const EncodeRequest& request, AVRational frameRate)
{
    const int64_t frames = request.maxVideoFrames.value_or(-1);
    const std::optional<double> length = TrimmedLength(request);
    if (!length || frameRate.num <= 0 || frameRate.den <= 0)
        return frames;
    const auto trimmed = std::max<int64_t>(1, std::llround(*length * av_q2d(frameRate)));
    return frames < 0 ? trimmed : std::min(frames, trimmed);
}

SoundEnd::SoundEnd(const EncodeRequest& request, AVRational timeBase)
    : end_(TrimmedLength(request) ? InTimeBase(*TrimmedLength(request), timeBase) : AV_NOPTS_VALUE),
      timeBase_(timeBase)
{
}

bool SoundEnd::cut(AVFrame& frame)
{
    if (end_ == AV_NOPTS_VALUE || frame.pts == AV_NOPTS_VALUE || frame.sample_rate <= 0)
        return true;
    if (frame.pts >= end_) {
        reached_ = true;
        return false;
    }
    const int64_t left = av_rescale_q(end_ - frame.pts, timeBase_, {1, frame.sample_rate});
    if (left < frame.nb_samples) {
        frame.nb_samples = static_cast<int>(std::max<int64_t>(left, 0));
        reached_ = true;
    }
    return frame.nb_samples > 0;
}

} // namespace ridod2e
