// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Decoder.h"

#include "encoder/Fault.h"

namespace ridod2e {

Decoder::Decoder(AVStream* stream, bool lenient)
    : frame_(NewFrame()), timeBase_(stream->time_base)
{
    const std::string name = "stream #0." + std::to_string(stream->index);
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        Fail(FaultKind::UnsupportedCodec,
             std::string("no decoder for ") + name + " (" + avcodec_get_name(stream->codecpar->codec_id) + ")");
    context_.reset(avcodec_alloc_context3(codec));
    if (!context_)
        throw std::bad_alloc();
    Check(avcodec_parameters_to_context(context_.get(), stream->codecpar), "cannot set up the decoder of " + name);
    context_->pkt_timebase = stream->time_base;
    if (lenient)
        context_->err_recognition = 0;
    Dictionary options;
    // A chained Ogg file starts its Theora stream again with new headers,
    // which the decoder takes only without threads.
    options.set("threads", codec->id == AV_CODEC_ID_THEORA ? "1" : "auto");
    const int opened = avcodec_open2(context_.get(), codec, options.address());
    if (opened < 0)
        Fail(FaultKind::UnsupportedCodec, "cannot decode " + name + " (" + LibraryReason(opened) + ")");
}

void Decoder::decode(const AVPacket* packet, const FrameSink& sink)
{
    // A packet the decoder refuses is dropped; a full decoder first gives
    // up its frames, then takes the packet.
    if (avcodec_send_packet(context_.get(), packet) == AVERROR(EAGAIN)) {
        drain(sink);
        avcodec_send_packet(context_.get(), packet);
    }
    drain(sink);
}

void Decoder::restart()
{
    avcodec_flush_buffers(context_.get());
}

void Decoder::drain(const FrameSink& sink)
{
    // A damaged frame costs one failed call; a decoder that keeps failing is
    // left alone until the next packet.
    int failures = 0;
    for (;;) {
        const int received = avcodec_receive_frame(context_.get(), frame_.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        if (received < 0) {
            if (++failures > 64)
                return;
            continue;
        }
        frame_->pts = frame_->best_effort_timestamp;
        ++frames_;
        sink(frame_.get());
        av_frame_unref(frame_.get());
    }
}

} // namespace ridod2e
