// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ShortSound.h"

#include "encoder/Fault.h"

extern "C" {
#include <libavutil/mathematics.h>
#include <libavutil/samplefmt.h>
}

namespace ridod2e {
namespace {

void CopyShape(AVFrame& to, const AVFrame& from)
{
    Check(av_frame_copy_props(&to, &from), "cannot keep a frame's shape");
    to.format = from.format;
    to.sample_rate = from.sample_rate;
    Check(av_channel_layout_copy(&to.ch_layout, &from.ch_layout), "cannot keep a frame's shape");
}

} // namespace

void ShortSound::count(const AVFrame& frame, AVRational timeBase)
{
    if (frameSize_ <= 0 || frame.sample_rate <= 0)
        return;
    samples_ += frame.nb_samples;
    if (!last_)
        last_ = NewFrame();
    av_frame_unref(last_.get());
    CopyShape(*last_, frame);
    end_ = frame.pts == AV_NOPTS_VALUE
        ? AV_NOPTS_VALUE
        : frame.pts + av_rescale_q(frame.nb_samples, {1, frame.sample_rate}, timeBase);
}

FramePtr ShortSound::padding() const
{
    if (!last_)
        return nullptr;
    const int64_t wanted = av_rescale_rnd(frameSize_, last_->sample_rate, outputRate_, AV_ROUND_UP);
    if (samples_ >= wanted)
        return nullptr;
    FramePtr silence = NewFrame();
    CopyShape(*silence, *last_);
    silence->nb_samples = static_cast<int>(wanted - samples_);
    Check(av_frame_get_buffer(silence.get(), 0), "out of memory for silence");
    Check(av_samples_set_silence(silence->extended_data, 0, silence->nb_samples, silence->ch_layout.nb_channels,
                                 static_cast<AVSampleFormat>(silence->format)),
          "cannot make silence");
    silence->pts = end_;
    return silence;
}

} // namespace ridod2e
