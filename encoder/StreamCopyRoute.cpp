// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/StreamCopyRoute.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace ridod2e {

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Whether the muxer writes a header for the stream as it is, into memory.
bool TakesHeader(const AVStream* stream, const AVOutputFormat* muxer)
{
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, muxer, nullptr, nullptr) < 0)
        throw std::bad_alloc();
    const OutputContextPtr trial(raw);
    AVStream* copy = avformat_new_stream(raw, nullptr);
    if (!copy || avcodec_parameters_copy(copy->codecpar, stream->codecpar) < 0)
        throw std::bad_alloc();
    copy->codecpar->codec_tag = OutputMedia::CopiedCodecTag(*stream->codecpar);
    copy->time_base = stream->time_base;
    if (!(muxer->flags & AVFMT_NOFILE)) {
        if (avio_open_dyn_buf(&raw->pb) < 0)
            throw std::bad_alloc();
        raw->pb->seekable = AVIO_SEEKABLE_NORMAL;
    }
    const bool taken = avformat_write_header(raw, nullptr) >= 0;
    if (raw->pb) {
        uint8_t* bytes = nullptr;
        avio_close_dyn_buf(raw->pb, &bytes);
        av_free(bytes);
        raw->pb = nullptr;
    }
    return taken;
}

} // namespace

void CheckCopyable(const AVStream* stream, const AVOutputFormat* muxer, const std::string& outputPath)
{
    // Below "normal" compliance Matroska also takes what it can only hold
    // through its Windows codec mapping, as players read it.
    const AVCodecID codec = stream->codecpar->codec_id;
    if (avformat_query_codec(muxer, codec, FF_COMPLIANCE_UNOFFICIAL) != 0 && TakesHeader(stream, muxer))
        return;
    const std::string extension = std::filesystem::path(outputPath).extension().string();
    const std::string container = Upper(extension.size() > 1 ? extension.substr(1) : muxer->name);
    const bool matroska = std::string(muxer->name) == "matroska";
    Fail(Upper(avcodec_get_name(codec)) + " in " + container + " is not supported by this encoder; "
         + (matroska ? "choose a format that converts it" : "choose MKV"));
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
