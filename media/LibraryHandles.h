// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owners of the libraries' handles, each freed by its library's own call.
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

struct InputClose {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct DecoderFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using InputHandle = std::unique_ptr<AVFormatContext, InputClose>;
using DecoderHandle = std::unique_ptr<AVCodecContext, DecoderFree>;
using PacketHandle = std::unique_ptr<AVPacket, PacketFree>;
using FrameHandle = std::unique_ptr<AVFrame, FrameFree>;
