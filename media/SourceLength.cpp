// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SourceLength.h"

#include "media/LibraryHandles.h"

#include <algorithm>
#include <optional>

namespace {

constexpr double kLeapSeconds = 10;

bool IsContent(const AVStream* stream)
{
    const AVMediaType type = stream->codecpar->codec_type;
    return type == AVMEDIA_TYPE_AUDIO || (type == AVMEDIA_TYPE_VIDEO && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC));
}

} // namespace

double UnstatedSeconds(AVFormatContext* context)
{
    if (context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        return 0;
    const std::int64_t start = context->start_time == AV_NOPTS_VALUE ? 0 : context->start_time;
    const std::int64_t lastSecond = start + std::max<std::int64_t>(0, context->duration - AV_TIME_BASE);
    if (av_seek_frame(context, -1, lastSecond, AVSEEK_FLAG_BACKWARD) < 0
        && av_seek_frame(context, -1, start, AVSEEK_FLAG_BACKWARD) < 0)
        return 0;
    const PacketHandle packet(av_packet_alloc());
    if (!packet)
        return 0;
    std::optional<double> reached;
    while (av_read_frame(context, packet.get()) >= 0) {
        const AVStream* stream = context->streams[packet->stream_index];
        const std::int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        // Packets an edit list leaves out are not played.
        if (IsContent(stream) && stamp != AV_NOPTS_VALUE && !(packet->flags & AV_PKT_FLAG_DISCARD)) {
            const double from = stamp * av_q2d(stream->time_base) - static_cast<double>(start) / AV_TIME_BASE;
            const double to = from + std::max<std::int64_t>(packet->duration, 0) * av_q2d(stream->time_base);
            if (!reached || from <= *reached + kLeapSeconds)
                reached = std::max(reached.value_or(to), to);
        }
        av_packet_unref(packet.get());
    }
    const double stated = static_cast<double>(context->duration) / AV_TIME_BASE;
    return reached ? std::max(0.0, *reached - stated) : 0;
}
