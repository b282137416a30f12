// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owners for the libraries' objects: each frees its object with the
// library's own function, on every path.
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
}

namespace ridod2e {

struct InputContextClose {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
// Frees the muxer's context; its byte stream belongs to whoever made it.
struct OutputContextFree {
    void operator()(AVFormatContext* context) const { avformat_free_context(context); }
};
struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FilterGraphFree {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};

using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextClose>;
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextFree>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFree>;

// A dictionary of options or tags, freed when it goes.
class Dictionary {
public:
    Dictionary() = default;
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;
    ~Dictionary() { av_dict_free(&entries_); }

    void set(const char* key, const char* value) { av_dict_set(&entries_, key, value, 0); }
    AVDictionary** address() { return &entries_; }
    AVDictionary* get() const { return entries_; }

private:
    AVDictionary* entries_ = nullptr;
};

FramePtr NewFrame();
PacketPtr NewPacket();

// Seconds as a timestamp in the time base, rounded to the libraries'
// microseconds first.
int64_t InTimeBase(double seconds, AVRational timeBase);

} // namespace ridod2e
