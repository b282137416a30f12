#include "encoder/StreamCopyRoute.h"

#include "encoder/Fault.h"

#include <algorithm>

namespace ridod2e {

void CheckCopyable(const AVStream* stream, const AVOutputFormat* muxer)
{
    // Below "normal" compliance Matroska also takes what it can only hold
    // through its Windows codec mapping, as players read it.
    const AVCodecID codec = stream->codecpar->codec_id;
    if (avformat_query_codec(muxer, codec, FF_COMPLIANCE_UNOFFICIAL) == 0)
        Fail(std::string(avcodec_get_name(codec)) + " cannot be stored in " + muxer->name + " without re-encoding");
}

StreamCopyRoute::StreamCopyRoute(InputMedia& input, int stream, OutputMedia& output, double timelineStart,
                                 int64_t maxPackets, AVRational frameRate)
    : output_(output),
      inputStream_(stream),
      timeBase_(input.context()->streams[stream]->time_base),
      outputStream_(output.addCopiedStream(input.context()->streams[stream], frameRate)),
      shift_(InTimeBase(timelineStart, timeBase_)),
      limit_(maxPackets)
{
}

void StreamCopyRoute::process(AVPacket* packet)
{
    if (done())
        return;
    if (packet->pts != AV_NOPTS_VALUE)
        packet->pts -= shift_;
    if (packet->dts != AV_NOPTS_VALUE)
        packet->dts -= shift_;
    // Muxers refuse a decoding time that does not move on, which damaged
    // files have; the packet goes just after the one before it instead.
    if (packet->dts != AV_NOPTS_VALUE && lastDts_ != AV_NOPTS_VALUE && packet->dts <= lastDts_) {
        if (packet->pts != AV_NOPTS_VALUE && packet->pts >= packet->dts)
            packet->pts = std::max(packet->pts, lastDts_ + 1);
        packet->dts = lastDts_ + 1;
    }
    if (packet->dts != AV_NOPTS_VALUE)
        lastDts_ = packet->dts;
    packet->pos = -1;
    ++packets_;
    output_.write(packet, outputStream_, timeBase_);
}

} // namespace ridod2e
