// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A libavfilter graph from one source to one sink, described by the text
// of the filters between them. A palette, where one is given, is a second
// source of one picture that the filters name [palette].
#include "encoder/Libav.h"

#include <functional>
#include <string>

namespace ridod2e {

// The "buffer" source's arguments for pictures shaped like the frame, with
// their pts in the time base.
std::string PictureSourceArguments(const AVFrame& frame, AVRational timeBase);

class FilterChain {
public:
    using Sink = std::function<void(AVFrame*)>;

    // source: "buffer" or "abuffer" with its arguments; sink: "buffersink"
    // or "abuffersink"; frameSize: samples per frame at an audio sink (0: any).
    FilterChain(const char* source, const std::string& sourceArguments, const char* sink, const std::string& filters,
                int frameSize, const AVFrame* palette = nullptr);

    // Feeds one frame (nullptr: the end) and hands every frame that comes
    // out to the sink.
    void push(AVFrame* frame, const Sink& sink);
    // The end, at `endPts` in the source's time base: a filter that places
    // frames by time (fps) gives the last frame its time up to there.
    void close(int64_t endPts, const Sink& sink);

    AVRational outputTimeBase() const;

private:
    void drain(const Sink& sink);

    FilterGraphPtr graph_;
    AVFilterContext* source_ = nullptr;
    AVFilterContext* sink_ = nullptr;
    FramePtr out_;
};

} // namespace ridod2e
