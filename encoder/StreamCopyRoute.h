// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way of one input stream's packets into the output unchanged: no
// decoder, no encoder; only their timestamps move, onto the output's
// timeline and into its stream's time base.
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"

#include <string>

namespace ridod2e {

// Fails with "<CODEC> in <CONTAINER> is not supported by this encoder;
// choose ..." when the container cannot hold the stream as it is: the
// muxer refuses the codec, or a trial header in memory fails.
void CheckCopyable(const AVStream* stream, const AVOutputFormat* muxer, const std::string& outputPath);

class StreamCopyRoute {
public:
    // Adds the output stream. timelineStart: the input's second that
    // becomes the output's zero; maxPackets: -1 for no limit; frameRate: the
    // rate the output declares, {0, 1} but for pictures.
    StreamCopyRoute(InputMedia& input, int stream, OutputMedia& output, double timelineStart, int64_t maxPackets,
                    AVRational frameRate);

    int inputStream() const { return inputStream_; }
    // Writes the packet; its fields are changed on the way.
    void process(AVPacket* packet);

    bool done() const { return limit_ >= 0 && packets_ >= limit_; }
    int64_t packets() const { return packets_; }

private:
    OutputMedia& output_;
    int inputStream_;
    AVRational timeBase_;
    int outputStream_;
    int64_t shift_;
    int64_t limit_;
    int64_t lastDts_ = AV_NOPTS_VALUE;
    int64_t packets_ = 0;
};

} // namespace ridod2e
