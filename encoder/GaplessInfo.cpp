// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/GaplessInfo.h"

#include "encoder/FileIo.h"
#include "encoder/Libav.h"

#include <cinttypes>
#include <cstdio>
#include <optional>

namespace ridod2e {
namespace {

// The first sound track's packets in samples: where the first starts, where
// the last ends, how many there are and how many samples each codes.
struct TrackSpan {
    int64_t start = 0;
    int64_t end = 0;
    int64_t packets = 0;
    int frameSize = 0;
};

std::optional<TrackSpan> ReadSpan(AVFormatContext* context)
{
    const int track = av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (track < 0)
        return std::nullopt;
    const AVStream& stream = *context->streams[track];
    const int rate = stream.codecpar->sample_rate;
    TrackSpan span;
    span.frameSize = stream.codecpar->frame_size;
    if (rate <= 0 || span.frameSize <= 0)
        return std::nullopt;
    const AVRational samples {1, rate};
    PacketPtr packet = NewPacket();
    while (av_read_frame(context, packet.get()) >= 0) {
        if (packet->stream_index == track && packet->pts != AV_NOPTS_VALUE) {
            const int64_t start = av_rescale_q(packet->pts, stream.time_base, samples);
            span.start = span.packets == 0 ? start : span.start;
            span.end = start + av_rescale_q(packet->duration, stream.time_base, samples);
            ++span.packets;
        }
        av_packet_unref(packet.get());
    }
    return span.packets > 0 ? std::optional(span) : std::nullopt;
}

// With the edit list applied, the first packet starts the priming before
// zero; without it, the packets' own durations end where the sound does,
// to the sample (the edit list's length is in the movie's coarser clock).
std::optional<TrackSpan> ReadTrack(int descriptor, bool applyEdits)
{
    AVIOContext* io = NewFileReader(descriptor);
    AVFormatContext* context = avformat_alloc_context();
    if (!io || !context) {
        FreeFileIo(io);
        avformat_free_context(context);
        return std::nullopt;
    }
    context->pb = io;
    context->flags |= AVFMT_FLAG_CUSTOM_IO;
    Dictionary options;
    options.set("ignore_editlist", applyEdits ? "0" : "1");
    std::optional<TrackSpan> span;
    // On failure avformat_open_input frees the context itself.
    if (avformat_open_input(&context, nullptr, av_find_input_format("mp4"), options.address()) >= 0) {
        if (avformat_find_stream_info(context, nullptr) >= 0)
            span = ReadSpan(context);
        avformat_close_input(&context);
    }
    FreeFileIo(io);
    return span;
}

} // namespace

std::string GaplessFigures(int descriptor)
{
    const std::optional<TrackSpan> edited = ReadTrack(descriptor, true);
    const std::optional<TrackSpan> coded = ReadTrack(descriptor, false);
    if (!edited || !coded)
        return {};
    const int64_t priming = -edited->start;
    const int64_t total = coded->end - coded->start;
    const int64_t length = total - priming;
    const int64_t padding = coded->packets * coded->frameSize - total;
    if (priming < 0 || length <= 0 || padding < 0)
        return {};
    char figures[160];
    std::snprintf(figures, sizeof figures,
                  " 00000000 %08" PRIX64 " %08" PRIX64 " %016" PRIX64
                  " 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000",
                  priming, padding, length);
    return figures;
}

} // namespace ridod2e
