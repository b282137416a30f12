// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/AudioRoute.h"

#include "encoder/Fault.h"

namespace ridod2e {
namespace {

// Packets read but not yet decoded: a few tenths of a second of sound.
constexpr std::size_t PacketsInFlight = 32;

AudioFilter::Target FilterTarget(const AudioEncoding& encoding, const EncodeRequest& request)
{
    AudioFilter::Target target;
    target.sampleRate = encoding.sampleRate;
    target.layout = encoding.layout;
    target.format = encoding.format;
    target.frameSize = encoding.frameSize;
    // The volume factor counts in fiftieths: 50 keeps the volume.
    target.volume = request.volumeFactor.value_or(50) / 50.0;
    return target;
}

} // namespace

AudioRoute::AudioRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
                       OutputMedia& output, bool ownThread, bool labelled)
    : output_(output),
      inputStream_(stream),
      decoder_(input.context()->streams[stream], input.alternativeReader()),
      encoding_(OpenAudioEncoder(request, input.context()->streams[stream], muxer)),
      filter_(FilterTarget(encoding_, request)),
      outputStream_(output.addStream(*encoding_.encoder, {0, 1})),
      timelineStart_(InTimeBase(TimelineStart(input, request), decoder_.timeBase())),
      clock_(ClockMender::Kind::Sound, decoder_.timeBase(), timelineStart_),
      shortSound_(encoding_.priming > 0 ? encoding_.frameSize : 0, encoding_.sampleRate),
      packet_(NewPacket())
{
    if (labelled)
        output.keepLabels(outputStream_, input.context()->streams[stream]);
    if (ownThread)
        thread_.emplace(PacketsInFlight, [this](PacketPtr& packet) { decode(packet.get()); }, [this] { drain(); });
}

void AudioRoute::process(const AVPacket* packet)
{
    if (!thread_) {
        decode(packet);
        return;
    }
    PacketPtr copy = NewPacket();
    Check(av_packet_ref(copy.get(), packet), "cannot keep a packet");
    thread_->put(std::move(copy));
}

void AudioRoute::finish()
{
    if (thread_)
        thread_->close();
    else
        drain();
}

void AudioRoute::decode(const AVPacket* packet)
{
    decoder_.decode(packet, [this](AVFrame* frame) { onDecoded(frame); });
}

void AudioRoute::drain()
{
    decode(nullptr);
    const auto encode = [this](AVFrame* frame) { this->encode(frame); };
    if (const FramePtr silence = shortSound_.padding())
        filter_.filter(silence.get(), decoder_.timeBase(), encode);
    filter_.filter(nullptr, decoder_.timeBase(), encode);
    encoding_.encoder->send(nullptr);
    drainEncoder();
}

void AudioRoute::onDecoded(AVFrame* frame)
{
    if (frame->pts != AV_NOPTS_VALUE && frame->sample_rate > 0) {
        const int64_t duration = av_rescale_q(frame->nb_samples, {1, frame->sample_rate}, decoder_.timeBase());
        frame->pts = clock_.mend(frame->pts, duration) - timelineStart_;
        heard_ = heard_ || frame->pts + duration > 0;
        if (frame->pts + duration > 0)
            shortSound_.count(*frame, decoder_.timeBase());
    }
    filter_.filter(frame, decoder_.timeBase(), [this](AVFrame* filtered) { encode(filtered); });
}

void AudioRoute::encode(AVFrame* frame)
{
    if (frame->pts != AV_NOPTS_VALUE) {
        frame->pts = av_rescale_q(frame->pts, filter_.outputTimeBase(), encoding_.encoder->timeBase());
        // Filters set up again after a change of format start from the
        // frame's own time, which may lie before the sound already encoded:
        // the encoder's clock only goes on.
        if (encodedTo_ != AV_NOPTS_VALUE && frame->pts < encodedTo_)
            frame->pts = encodedTo_;
        encodedTo_ = frame->pts + av_rescale_q(frame->nb_samples, {1, frame->sample_rate}, encoding_.encoder->timeBase());
    }
    samples_ += frame->nb_samples;
    encoding_.encoder->send(frame);
    drainEncoder();
}

void AudioRoute::drainEncoder()
{
    while (encoding_.encoder->receive(packet_.get()))
        output_.write(packet_.get(), outputStream_, encoding_.encoder->timeBase());
}

} // namespace ridod2e
