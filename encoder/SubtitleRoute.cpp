// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/SubtitleRoute.h"

#include "encoder/Fault.h"

#include <cstring>
#include <string>
#include <vector>

namespace ridod2e {
namespace {

constexpr AVRational Milliseconds {1, 1000};
// Room for one subtitle's text as the encoder writes it.
constexpr int LargestSubtitle = 1 << 20;

struct SubtitleFree {
    void operator()(AVSubtitle* subtitle) const { avsubtitle_free(subtitle); }
};

CodecContextPtr OpenDecoder(const AVStream* stream)
{
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        Fail(FaultKind::UnsupportedCodec, "no decoder for subtitle stream #0." + std::to_string(stream->index));
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    Check(avcodec_parameters_to_context(context.get(), stream->codecpar), "cannot set up a subtitle decoder");
    context->pkt_timebase = stream->time_base;
    Check(avcodec_open2(context.get(), codec, nullptr), "cannot decode subtitle stream #0." + std::to_string(stream->index));
    return context;
}

CodecContextPtr OpenEncoder(AVCodecID id, const AVCodecContext& decoder)
{
    const AVCodec* codec = avcodec_find_encoder(id);
    if (!codec)
        Fail(FaultKind::UnsupportedCodec, std::string("no subtitle encoder for ") + avcodec_get_name(id));
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    context->time_base = AV_TIME_BASE_Q;
    // The text's styles, as the decoder read them.
    if (decoder.subtitle_header && decoder.subtitle_header_size > 0) {
        context->subtitle_header = static_cast<uint8_t*>(av_mallocz(decoder.subtitle_header_size + 1));
        if (!context->subtitle_header)
            throw std::bad_alloc();
        std::memcpy(context->subtitle_header, decoder.subtitle_header, decoder.subtitle_header_size);
        context->subtitle_header_size = decoder.subtitle_header_size;
    }
    Check(avcodec_open2(context.get(), codec, nullptr), std::string("cannot open the ") + codec->name + " encoder");
    return context;
}

} // namespace

AVCodecID SubtitleRoute::TextCodecOf(const AVOutputFormat* muxer)
{
    const std::string name = muxer->name;
    if (name == "mp4" || name == "mov" || name == "ipod")
        return AV_CODEC_ID_MOV_TEXT;
    if (name == "webm")
        return AV_CODEC_ID_WEBVTT;
    if (name == "matroska")
        return AV_CODEC_ID_SUBRIP;
    return AV_CODEC_ID_NONE;
}

SubtitleRoute::SubtitleRoute(InputMedia& input, int stream, const AVOutputFormat* muxer, OutputMedia& output,
                             double timelineStart)
    : output_(output),
      inputStream_(stream),
      timeBase_(input.context()->streams[stream]->time_base),
      decoder_(OpenDecoder(input.context()->streams[stream])),
      encoder_(OpenEncoder(TextCodecOf(muxer), *decoder_)),
      outputStream_(output.addStream(*encoder_)),
      timelineStart_(InTimeBase(timelineStart, AV_TIME_BASE_Q))
{
    output.keepLabels(outputStream_, input.context()->streams[stream]);
}

void SubtitleRoute::process(const AVPacket* packet)
{
    AVSubtitle decoded {};
    int got = 0;
    // A subtitle that does not decode is left out, as a player would.
    if (avcodec_decode_subtitle2(decoder_.get(), &decoded, &got, const_cast<AVPacket*>(packet)) < 0 || !got)
        return;
    const std::unique_ptr<AVSubtitle, SubtitleFree> subtitle(&decoded);
    if (decoded.pts == AV_NOPTS_VALUE)
        return;
    decoded.pts += av_rescale_q(decoded.start_display_time, Milliseconds, AV_TIME_BASE_Q) - timelineStart_;
    decoded.end_display_time -= decoded.start_display_time;
    decoded.start_display_time = 0;
    if (decoded.pts + av_rescale_q(decoded.end_display_time, Milliseconds, AV_TIME_BASE_Q) <= 0)
        return;
    std::vector<uint8_t> text(LargestSubtitle);
    const int size = avcodec_encode_subtitle(encoder_.get(), text.data(), static_cast<int>(text.size()), &decoded);
    if (size <= 0)
        return;
    PacketPtr out = NewPacket();
    Check(av_new_packet(out.get(), size), "cannot keep a subtitle");
    std::memcpy(out->data, text.data(), static_cast<size_t>(size));
    out->pts = out->dts = decoded.pts;
    out->duration = av_rescale_q(decoded.end_display_time, Milliseconds, AV_TIME_BASE_Q);
    output_.write(out.get(), outputStream_, AV_TIME_BASE_Q);
}

} // namespace ridod2e
