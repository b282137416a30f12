// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/GaplessInfo.h"

#include "encoder/FileIo.h"
#include "encoder/Libav.h"

#include <cinttypes>
#include <cstdio>

namespace ridod2e {
namespace {

struct SoundSpan {
    int64_t priming = 0; // samples before the sound starts
    int64_t length = 0;  // samples of the sound itself
    int64_t coded = 0;   // samples the packets hold in all
};

// Reads the packets of the first sound track; nothing when there is none.
bool ReadSpan(AVFormatContext* context, SoundSpan& span)
{
    const int track = av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (track < 0)
        return false;
    const AVStream& stream = *context->streams[track];
    const int rate = stream.codecpar->sample_rate;
    const int frameSize = stream.codecpar->frame_size;
    if (rate <= 0 || frameSize <= 0)
        return false;
    const AVRational samples {1, rate};
    PacketPtr packet = NewPacket();
    int64_t first = AV_NOPTS_VALUE;
    int64_t end = 0;
    int64_t packets = 0;
    while (av_read_frame(context, packet.get()) >= 0) {
        if (packet->stream_index == track && packet->pts != AV_NOPTS_VALUE) {
            const int64_t start = av_rescale_q(packet->pts, stream.time_base, samples);
            first = first == AV_NOPTS_VALUE ? start : first;
            end = start + av_rescale_q(packet->duration, stream.time_base, samples);
            ++packets;
        }
        av_packet_unref(packet.get());
    }
    span.priming = first == AV_NOPTS_VALUE ? 0 : -first;
    span.length = end;
    span.coded = packets * frameSize;
    return packets > 0;
}

} // namespace

std::string GaplessFigures(int descriptor)
{
    AVIOContext* io = NewFileReader(descriptor);
    AVFormatContext* context = avformat_alloc_context();
    if (!io || !context) {
        FreeFileIo(io);
        avformat_free_context(context);
        return {};
    }
    context->pb = io;
    context->flags |= AVFMT_FLAG_CUSTOM_IO;
    SoundSpan span;
    // On failure avformat_open_input frees the context itself.
    const bool opened = avformat_open_input(&context, nullptr, av_find_input_format("mp4"), nullptr) >= 0;
    const bool read = opened && avformat_find_stream_info(context, nullptr) >= 0 && ReadSpan(context, span);
    if (opened)
        avformat_close_input(&context);
    FreeFileIo(io);
    const int64_t padding = span.coded - span.priming - span.length;
    if (!read || span.priming < 0 || span.length <= 0 || padding < 0)
        return {};
    char figures[160];
    std::snprintf(figures, sizeof figures,
                  " 00000000 %08" PRIX64 " %08" PRIX64 " %016" PRIX64
                  " 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000",
                  span.priming, padding, span.length);
    return figures;
}

} // namespace ridod2e
