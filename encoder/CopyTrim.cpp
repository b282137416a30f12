// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/CopyTrim.h"

#include "encoder/Fault.h"
#include "encoder/Trim.h"

#include <algorithm>

namespace ridod2e {
namespace {

// Timestamps a container rounds to its own clock (milliseconds in Matroska)
// still name the same packet.
constexpr double SameMoment = 0.002;

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

// To `from` seconds from the input's start; to its very beginning for 0,
// where a seek by time may land past the first key frame.
void GoTo(InputMedia& input, double from)
{
    if (from <= 0)
        input.rewind();
    else
        input.seek(from);
}

// The last key frame of the stream at or before the input's second, read
// from `from` on; nothing when the reading passes the second without one.
std::optional<double> KeyFrameBefore(InputMedia& input, int stream, double from, double second)
{
    GoTo(input, from);
    const AVRational timeBase = input.context()->streams[stream]->time_base;
    std::optional<double> found;
    PacketPtr packet = NewPacket();
    while (input.read(packet.get())) {
        const bool leading = packet->stream_index == stream;
        const std::optional<double> shown = SecondsOf(*packet, timeBase);
        const std::optional<double> decoded = SecondsOf(*packet, timeBase, true);
        const bool key = leading && IsKey(*packet) && shown;
        av_packet_unref(packet.get());
        if (key && *shown <= second + SameMoment)
            found = shown;
        else if (leading && decoded && *decoded > second)
            break;
    }
    return found;
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
    const double start = StartSeconds(request);
    if (!trimmed_ || start <= 0)
        return;
    // A container without an index may land past the key frame: it is
    // looked for further back, a second, then two, four... before.
    for (double back = 0;; back = std::max(1.0, 2 * back)) {
        const double from = std::max(0.0, start - back);
        if (const auto key = KeyFrameBefore(input, leadingStream, from, timelineStart_)) {
            timelineStart_ = *key;
            from_ = from;
            return;
        }
        if (from <= 0)
            Fail(NothingAfterStart(request));
    }
}

void CopyTrim::goToStart()
{
    if (from_)
        GoTo(input_, *from_);
}

bool CopyTrim::takes(const AVPacket& packet)
{
    if (!trimmed_)
        return true;
    const AVStream* stream = input_.context()->streams[packet.stream_index];
    const std::optional<double> seconds = SecondsOf(packet, stream->time_base);
    const bool beforeEnd = !end_ || !seconds || *seconds < *end_;
    if (packet.stream_index == leading_) {
        started_ = started_ || (IsKey(packet) && seconds && *seconds >= timelineStart_ - SameMoment);
        const std::optional<double> decoding = SecondsOf(packet, stream->time_base, true);
        over_ = over_ || (started_ && end_ && decoding && *decoding >= *end_);
        return started_ && beforeEnd;
    }
    // Another stream's packet that ends before the key frame is left out.
    const bool afterStart = !seconds || *seconds + packet.duration * av_q2d(stream->time_base) > timelineStart_
        || *seconds >= timelineStart_;
    return started_ && afterStart && beforeEnd;
}

} // namespace ridod2e
