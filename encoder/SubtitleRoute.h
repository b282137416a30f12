// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way of a text subtitle stream into a container that keeps text in
// its own format: each subtitle is decoded and written again as the
// container's text subtitles (mov_text in MP4 and QuickTime, WebVTT in
// WebM), at its own time on the output's timeline.
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"

namespace ridod2e {

class SubtitleRoute {
public:
    // The container's text subtitle codec; AV_CODEC_ID_NONE when it keeps no text.
    static AVCodecID TextCodecOf(const AVOutputFormat* muxer);

    // Opens the decoder and the encoder and adds the output stream, with the
    // input stream's language, title and marks.
    SubtitleRoute(InputMedia& input, int stream, const AVOutputFormat* muxer, OutputMedia& output,
                  double timelineStart);

    int inputStream() const { return inputStream_; }
    void process(const AVPacket* packet);

private:
    OutputMedia& output_;
    int inputStream_;
    AVRational timeBase_;
    CodecContextPtr decoder_;
    CodecContextPtr encoder_;
    int outputStream_;
    int64_t timelineStart_;  // microseconds
};

} // namespace ridod2e
