// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/CopyTrim.h"

#include "encoder/Fault.h"
#include "encoder/Trim.h"

namespace ridod2e {
namespace {

// The packet's time in seconds; the decoding time where it has no other.
std::optional<double> SecondsOf(const AVPacket& packet, AVRational timeBase, bool decoding = false)
{
    const int64_t first = decoding ? packet.dts : packet.pts;
    const int64_t time = first != AV_NOPTS_VALUE ? first : decoding ? packet.pts : packet.dts;
    if (time == AV_NOPTS_VALUE)
        return std::nullopt;
    return time * av_q2d(timeBase);
}

bool IsKey(const AVPacket& packet)
{
    return (packet.flags & AV_PKT_FLAG_KEY) != 0;
}

} // namespace

CopyTrim::CopyTrim(const EncodeRequest& request, InputMedia& input, int leadingStream)
    : input_(input),
      leading_(leadingStream),
      trimmed_(request.trim.has_value()),
      timelineStart_(TimelineStart(input, request)),
      started_(!trimmed_)
{
    if (trimmed_ && request.trim->end)
        end_ = input.start() + *request.trim->end;
    if (!trimmed_ || StartSeconds(request) <= 0)
        return;
    input.seek(StartSeconds(request));
    const AVRational timeBase = input.context()->streams[leadingStream]->time_base;
    PacketPtr packet = NewPacket();
    while (input.read(packet.get())) {
        const std::optional<double> seconds = SecondsOf(*packet, timeBase);
        const bool found = packet->stream_index == leadingStream && IsKey(*packet) && seconds;
        av_packet_unref(packet.get());
        if (found) {
            timelineStart_ = *seconds;
            return;
        }
    }
    Fail(NothingAfterStart(request));
}

bool CopyTrim::takes(const AVPacket& packet)
{
    if (!trimmed_)
        return true;
    const AVStream* stream = input_.context()->streams[packet.stream_index];
    const std::optional<double> seconds = SecondsOf(packet, stream->time_base);
    const bool beforeEnd = !end_ || !seconds || *seconds < *end_;
    if (packet.stream_index == leading_) {
        started_ = started_ || IsKey(packet);
        const std::optional<double> decoding = SecondsOf(packet, stream->time_base, true);
        over_ = over_ || (end_ && decoding && *decoding >= *end_);
        return started_ && beforeEnd;
    }
    // Another stream's packet that ends before the key frame is left out.
    const bool afterStart = !seconds || *seconds + packet.duration * av_q2d(stream->time_base) > timelineStart_
        || *seconds >= timelineStart_;
    return started_ && afterStart && beforeEnd;
}

} // namespace ridod2e
