// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/SilentTrack.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <cmath>

namespace ridod2e {
namespace {

// Samples per frame for encoders that take any number.
constexpr int AnyFrameSize = 1024;

} // namespace

bool NeedsSoundTrack(const AVOutputFormat* muxer)
{
    return std::string(muxer->name) == "psp";
}

SilentTrack::SilentTrack(const EncodeRequest& request, const AVOutputFormat* muxer, OutputMedia& output)
    : output_(output),
      encoding_(OpenAudioEncoder(request, nullptr, muxer)),
      outputStream_(output.addStream(*encoding_.encoder, {0, 1})),
      frame_(NewFrame()),
      packet_(NewPacket())
{
    frame_->format = encoding_.format;
    frame_->sample_rate = encoding_.sampleRate;
    frame_->nb_samples = encoding_.frameSize > 0 ? encoding_.frameSize : AnyFrameSize;
    Check(av_channel_layout_copy(&frame_->ch_layout, &encoding_.layout), "cannot set the channel layout");
    Check(av_frame_get_buffer(frame_.get(), 0), "out of memory for silence");
    Check(av_samples_set_silence(frame_->extended_data, 0, frame_->nb_samples, encoding_.layout.nb_channels,
                                 encoding_.format),
          "cannot make silence");
}

void SilentTrack::fillTo(double seconds)
{
    encodeUntil(std::llround(seconds * encoding_.sampleRate), false);
}

void SilentTrack::finish(double seconds)
{
    encodeUntil(std::llround(seconds * encoding_.sampleRate), true);
    encoding_.encoder->send(nullptr);
    drainEncoder();
}

void SilentTrack::encodeUntil(int64_t end, bool last)
{
    // The frame's buffer holds silence throughout: only its length and time
    // change. Only the last frame may be short.
    const int frameSize = encoding_.frameSize > 0 ? encoding_.frameSize : AnyFrameSize;
    while (samples_ < end && (last || end - samples_ >= frameSize)) {
        frame_->nb_samples = static_cast<int>(std::min<int64_t>(frameSize, end - samples_));
        frame_->pts = av_rescale_q(samples_, {1, encoding_.sampleRate}, encoding_.encoder->timeBase());
        samples_ += frame_->nb_samples;
        encoding_.encoder->send(frame_.get());
        drainEncoder();
    }
}

void SilentTrack::drainEncoder()
{
    while (encoding_.encoder->receive(packet_.get()))
        output_.write(packet_.get(), outputStream_, encoding_.encoder->timeBase());
}

} // namespace ridod2e
